<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>ExactPropertiesWindow</name>
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
