<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>BuiltUpWindow</name>
    <message>
        <source>Kt is not defined for sharp inner corners.</source>
        <translation>Kt éles belső sarkoknál nem értelmezett.</translation>
    </message>
    <message>
        <source>Built-up section ....</source>
        <translation>Összetett szelvény ....</translation>
    </message>
    <message>
        <source>Parts (arrow keys move the part, Shift 10 mm):</source>
        <translation>Részek (nyílbillentyűkkel mozgathatók, Shift 10 mm):</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hozzáad</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Megkettőz</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eltávolít</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Le</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Balra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Jobbra</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Illeszt</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Megnyitás...</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Mentés...</translation>
    </message>
    <message>
        <source>To List</source>
        <translation>Listába</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Plate / rectangular solid</source>
        <translation>Lemez / tömör négyszög</translation>
    </message>
    <message>
        <source>I section</source>
        <translation>I szelvény</translation>
    </message>
    <message>
        <source>U section</source>
        <translation>U szelvény</translation>
    </message>
    <message>
        <source>L section</source>
        <translation>L szelvény</translation>
    </message>
    <message>
        <source>T section</source>
        <translation>T szelvény</translation>
    </message>
    <message>
        <source>Rectangular hollow</source>
        <translation>Zártszelvény</translation>
    </message>
    <message>
        <source>Circular hollow</source>
        <translation>Csőszelvény</translation>
    </message>
    <message>
        <source>Circular solid</source>
        <translation>Tömör kör</translation>
    </message>
    <message>
        <source>Flat bar</source>
        <translation>Laposacél</translation>
    </message>
    <message>
        <source>Kind :</source>
        <translation>Fajta :</translation>
    </message>
    <message>
        <source>Entry :</source>
        <translation>Méret :</translation>
    </message>
    <message>
        <source>Dimensions :</source>
        <translation>Méretek :</translation>
    </message>
    <message>
        <source>x of centroid :</source>
        <translation>Súlypont x :</translation>
    </message>
    <message>
        <source>y of centroid :</source>
        <translation>Súlypont y :</translation>
    </message>
    <message>
        <source>Angle :</source>
        <translation>Szög :</translation>
    </message>
    <message>
        <source>Move until it touches :</source>
        <translation>Tolás érintkezésig :</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Név :</translation>
    </message>
    <message>
        <source>Typed dimensions</source>
        <translation>Megadott méretek</translation>
    </message>
    <message>
        <source>dimensions in mm, as the tab&apos;s fields: 200, 10</source>
        <translation>mm-ben, a fül mezői szerint: 200, 10</translation>
    </message>
    <message>
        <source> deg.</source>
        <translation> fok</translation>
    </message>
    <message>
        <source>mirrored about its vertical axis</source>
        <translation>tükrözve a függőleges tengelyére</translation>
    </message>
    <message>
        <source>mirrored</source>
        <translation>tükrözve</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Jellemző</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Érték</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Mértékegység</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Számítás…</translation>
    </message>
    <message>
        <source>No part lies in that direction of the selected part.</source>
        <translation>A kijelölt résztől abban az irányban nincs másik rész.</translation>
    </message>
    <message>
        <source>Part %1 share of A, Ix</source>
        <translation>%1. rész aránya A, Ix</translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation>Megjegyzés: %1.</translation>
    </message>
    <message>
        <source>Torsion and warping from a mesh of %1 quadratic triangles.</source>
        <translation>Csavarás és öblösödés %1 másodfokú háromszögből álló hálón.</translation>
    </message>
    <message>
        <source>Built-up sections (*.mvb)</source>
        <translation>Összetett szelvények (*.mvb)</translation>
    </message>
    <message>
        <source>Save built-up section</source>
        <translation>Összetett szelvény mentése</translation>
    </message>
    <message>
        <source>Open built-up section</source>
        <translation>Összetett szelvény megnyitása</translation>
    </message>
    <message>
        <source>The built-up section could not be saved to %1.</source>
        <translation>Az összetett szelvényt nem sikerült ide menteni: %1.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 nem olvasható.</translation>
    </message>
    <message>
        <source>%1 is not a built-up section: %2.</source>
        <translation>%1 nem összetett szelvény: %2.</translation>
    </message>
    <message>
        <source>the parts do not all touch: they act together only if they are connected</source>
        <translation>a részek nem mind érintkeznek: csak összekapcsolva dolgoznak együtt</translation>
    </message>
    <message>
        <source>the section has no parts</source>
        <translation>a szelvénynek nincsenek részei</translation>
    </message>
    <message>
        <source>the outline has no area</source>
        <translation>a körvonalnak nincs területe</translation>
    </message>
    <message>
        <source>the torsion solution did not converge</source>
        <translation>a csavarási megoldás nem konvergált</translation>
    </message>
    <message>
        <source>the section is refused (Error wrong data !)</source>
        <translation>a szelvény elutasítva (Hiba. Rossz adatok !)</translation>
    </message>
    <message>
        <source>the section has no area</source>
        <translation>a szelvénynek nincs területe</translation>
    </message>
    <message>
        <source>part %1 (%2): %3</source>
        <translation>%1. rész (%2): %3</translation>
    </message>
    <message>
        <source>this kind takes %1 dimensions</source>
        <translation>ehhez a fajtához %1 méret kell</translation>
    </message>
</context>
<context>
    <name>ExactPropertiesWindow</name>
    <message>
        <source>Kt is not defined for sharp inner corners.</source>
        <translation>Kt éles belső sarkoknál nem értelmezett.</translation>
    </message>
    <message>
        <source>Exact properties</source>
        <translation>Pontos jellemzők</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Jellemző</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Érték</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Számítás…</translation>
    </message>
    <message>
        <source>No section computed yet.</source>
        <translation>Még nincs kiszámított szelvény.</translation>
    </message>
    <message>
        <source>Torsion and warping from a mesh of %1 quadratic triangles.</source>
        <translation>Csavarás és öblösödés %1 másodfokú háromszögből álló hálón.</translation>
    </message>
    <message>
        <source>A plate has no cross-section properties.</source>
        <translation>A lemeznek nincsenek keresztmetszeti jellemzői.</translation>
    </message>
    <message>
        <source>%1, turned by %2 degrees</source>
        <translation>%1, %2 fokkal elforgatva</translation>
    </message>
    <message>
        <source>area</source>
        <translation>terület</translation>
    </message>
    <message>
        <source>second moment of area about the horizontal axis X through the centroid</source>
        <translation>másodrendű nyomaték a súlyponton átmenő vízszintes X tengelyre</translation>
    </message>
    <message>
        <source>second moment of area about the vertical axis Y through the centroid</source>
        <translation>másodrendű nyomaték a súlyponton átmenő függőleges Y tengelyre</translation>
    </message>
    <message>
        <source>product moment of area</source>
        <translation>centrifugális nyomaték</translation>
    </message>
    <message>
        <source>larger principal second moment of area</source>
        <translation>nagyobbik fő másodrendű nyomaték</translation>
    </message>
    <message>
        <source>smaller principal second moment of area</source>
        <translation>kisebbik fő másodrendű nyomaték</translation>
    </message>
    <message>
        <source>angle of the I1 axis from X</source>
        <translation>az I1 tengely szöge az X tengelytől</translation>
    </message>
    <message>
        <source>radius of gyration about X</source>
        <translation>inerciasugár az X tengelyre</translation>
    </message>
    <message>
        <source>radius of gyration about Y</source>
        <translation>inerciasugár az Y tengelyre</translation>
    </message>
    <message>
        <source>elastic section modulus about X, top fibre</source>
        <translation>rugalmas keresztmetszeti tényező X-re, felső szál</translation>
    </message>
    <message>
        <source>elastic section modulus about X, bottom fibre</source>
        <translation>rugalmas keresztmetszeti tényező X-re, alsó szál</translation>
    </message>
    <message>
        <source>elastic section modulus about Y, left fibre</source>
        <translation>rugalmas keresztmetszeti tényező Y-ra, bal szál</translation>
    </message>
    <message>
        <source>elastic section modulus about Y, right fibre</source>
        <translation>rugalmas keresztmetszeti tényező Y-ra, jobb szál</translation>
    </message>
    <message>
        <source>plastic section modulus about the equal-area axis parallel to X</source>
        <translation>képlékeny keresztmetszeti tényező az X-szel párhuzamos felező tengelyre</translation>
    </message>
    <message>
        <source>plastic section modulus about the equal-area axis parallel to Y</source>
        <translation>képlékeny keresztmetszeti tényező az Y-nal párhuzamos felező tengelyre</translation>
    </message>
    <message>
        <source>St Venant torsion constant</source>
        <translation>Saint-Venant-féle csavarási inercia</translation>
    </message>
    <message>
        <source>warping constant about the shear centre</source>
        <translation>öblösödési állandó a nyírási középpontra</translation>
    </message>
    <message>
        <source>torsion modulus: It over the largest shear-stress lever</source>
        <translation>csavarási keresztmetszeti tényező: It osztva a legnagyobb nyírófeszültségi karral</translation>
    </message>
    <message>
        <source>shear centre from the centroid, along X</source>
        <translation>a nyírási középpont távolsága a súlyponttól X mentén</translation>
    </message>
    <message>
        <source>shear centre from the centroid, along Y</source>
        <translation>a nyírási középpont távolsága a súlyponttól Y mentén</translation>
    </message>
    <message>
        <source>by how much the panel&apos;s torsion constant Ixx differs from It</source>
        <translation>mennyivel tér el a panel Ixx csavarási inerciája az It-től</translation>
    </message>
    <message>
        <source>by how much the panel&apos;s torsion modulus Kxx differs from Kt</source>
        <translation>mennyivel tér el a panel Kxx csavarási tényezője a Kt-től</translation>
    </message>
    <message>
        <source>the outline has no area</source>
        <translation>a körvonalnak nincs területe</translation>
    </message>
    <message>
        <source>the torsion solution did not converge</source>
        <translation>a csavarási megoldás nem konvergált</translation>
    </message>
    <message>
        <source>no section is selected</source>
        <translation>nincs kiválasztott szelvény</translation>
    </message>
    <message>
        <source>the section is refused (Error wrong data !)</source>
        <translation>a szelvény elutasítva (Hiba. Rossz adatok !)</translation>
    </message>
    <message>
        <source>The computation failed</source>
        <translation>A számítás nem sikerült</translation>
    </message>
    <message>
        <source>The computation failed: %1</source>
        <translation>A számítás nem sikerült: %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
</context>
<context>
    <name>ListEditorWindow</name>
    <message>
        <source>Edit....</source>
        <translation>Szerkesztés....</translation>
    </message>
    <message>
        <source>Delete selected item(s)</source>
        <translation>Kijelölt tétel(ek) törlése</translation>
    </message>
    <message>
        <source>Correction selected item...</source>
        <translation>Kijelölt tétel javítása...</translation>
    </message>
    <message>
        <source>Private data editing ....</source>
        <translation>Egyedi adatok megadása ....</translation>
    </message>
    <message>
        <source>Units for listing...</source>
        <translation>Listázási mértékegységek...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Report generator</source>
        <translation>Jelentéskészítő</translation>
    </message>
    <message>
        <source>Translation....</source>
        <translation>Fordítás....</translation>
    </message>
    <message>
        <source>Exact properties</source>
        <translation>Pontos jellemzők</translation>
    </message>
    <message>
        <source>Built-up section ....</source>
        <translation>Összetett szelvény ....</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Másolás</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Szerkesztés</translation>
    </message>
    <message>
        <source>Recent jobs</source>
        <translation>Legutóbbi tételjegyzékek</translation>
    </message>
</context>
<context>
    <name>PrivateDataWindow</name>
    <message>
        <source>Ix :</source>
        <translation>Ix :</translation>
    </message>
    <message>
        <source>Iy :</source>
        <translation>Iy :</translation>
    </message>
    <message>
        <source>Kx above :</source>
        <translation>Kx fent :</translation>
    </message>
    <message>
        <source>Kx under :</source>
        <translation>Kx lent :</translation>
    </message>
    <message>
        <source>Kx left :</source>
        <translation>Kx bal :</translation>
    </message>
    <message>
        <source>Kx right :</source>
        <translation>Kx jobb :</translation>
    </message>
    <message>
        <source>Ixx :</source>
        <translation>Ixx :</translation>
    </message>
    <message>
        <source>Kxx :</source>
        <translation>Kxx :</translation>
    </message>
    <message>
        <source>To List</source>
        <translation>Listába</translation>
    </message>
    <message>
        <source>Units for listing</source>
        <translation>Listázási mértékegységek</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source> Material :</source>
        <translation> Anyag :</translation>
    </message>
    <message>
        <source> Private data color </source>
        <translation> Egyedi adatok színe </translation>
    </message>
    <message>
        <source>Correction selected item...</source>
        <translation>Kijelölt tétel javítása...</translation>
    </message>
    <message>
        <source>Private data editing ....</source>
        <translation>Egyedi adatok megadása ....</translation>
    </message>
    <message>
        <source>E modulus [KN/m2]:</source>
        <translation>E-modulus [KN/m2]:</translation>
    </message>
    <message>
        <source>Density [Kg/m3]:</source>
        <translation>Sűrűség [Kg/m3]:</translation>
    </message>
    <message>
        <source>Max.Tensil[N/mm2]:</source>
        <translation>Max.húzó[N/mm2]:</translation>
    </message>
    <message>
        <source>Min.Pressure[N/mm2]:</source>
        <translation>Min.nyomó[N/mm2]:</translation>
    </message>
    <message>
        <source> Moment of inertia Ix, Iy %1</source>
        <translation> Másodrendű nyomaték Ix, Iy %1</translation>
    </message>
    <message>
        <source> Moment of resist. Kx, Ky %1</source>
        <translation> Keresztm. tényező Kx, Ky %1</translation>
    </message>
    <message>
        <source> Torsion inertia Ixx %1, Kxx %2</source>
        <translation> Csavarási inercia Ixx %1, Kxx %2</translation>
    </message>
    <message>
        <source> Area %1</source>
        <translation> Terület %1</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>Report generator</source>
        <translation>Jelentéskészítő</translation>
    </message>
</context>
<context>
    <name>RequirementWindow</name>
    <message>
        <source>A /Area/ %1</source>
        <translation>A /Terület/ %1</translation>
    </message>
    <message>
        <source>Ix /Moment of inertia / %1 :</source>
        <translation>Ix /Másodrendű nyomaték / %1 :</translation>
    </message>
    <message>
        <source>Iy /Moment of inertia / %1 :</source>
        <translation>Iy /Másodrendű nyomaték / %1 :</translation>
    </message>
    <message>
        <source>Kx above /Mom. of resist. / %1 :</source>
        <translation>Kx fent /Keresztm. tényező / %1 :</translation>
    </message>
    <message>
        <source>Kx under /Mom. of resist. / %1 :</source>
        <translation>Kx lent /Keresztm. tényező / %1 :</translation>
    </message>
    <message>
        <source>Ixx /Torsion inertia / %1 :</source>
        <translation>Ixx /Csavarási inercia / %1 :</translation>
    </message>
    <message>
        <source>Kxx /Torsion resistance / %1 :</source>
        <translation>Kxx /Csavarási tényező / %1 :</translation>
    </message>
    <message>
        <source>Requirement</source>
        <translation>Követelmények</translation>
    </message>
</context>
<context>
    <name>SectionPage</name>
    <message>
        <source> A length / mm / :</source>
        <translation> A hossz / mm / :</translation>
    </message>
    <message>
        <source> B length / mm / :</source>
        <translation> B hossz / mm / :</translation>
    </message>
    <message>
        <source> V thickness / mm / :</source>
        <translation> V vastagság / mm / :</translation>
    </message>
    <message>
        <source>Typical</source>
        <translation>Jellemző</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Összes</translation>
    </message>
    <message>
        <source>To List</source>
        <translation>Listába</translation>
    </message>
</context>
<context>
    <name>TranslationWindow</name>
    <message>
        <source>Load...</source>
        <translation>Betöltés...</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Mentés...</translation>
    </message>
</context>
<context>
    <name>UnitsWindow</name>
    <message>
        <source>Units for listing</source>
        <translation>Listázási mértékegységek</translation>
    </message>
</context>
</TS>
