#pragma once

// The English messages and the steel of the material boxes, shared by the list tests.
#include "itemlist/item_list.h"
#include "sections/material.h"
#include "settings/message_table.h"

inline const MessageTable& m()
{
    return MessageTable::english();
}

// The material boxes as they start: the first item of each list, 300 and -300 N/mm2.
inline MaterialTexts steel()
{
    MaterialTexts t;
    t.eItems = eModulusItems();
    t.densityItems = densityItems();
    t.poissonItems = poissonItems();
    t.eModulus = t.eItems[0];
    t.density = t.densityItems[0];
    t.poisson = t.poissonItems[0];
    t.tensile = "300";
    t.pressure = "-300";
    return t;
}
