#pragma once

#include <QSize>

// The size of every section picture: the first tab's, the list row's, the
// previews', the overlay's frame, the job file's bitmaps and the report's.
inline constexpr QSize SectionPictureSize(240, 160);
