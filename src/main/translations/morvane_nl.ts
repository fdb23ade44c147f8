<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>BuiltUpWindow</name>
    <message>
        <source>Kt is not defined for sharp inner corners.</source>
        <translation>Kt is niet gedefinieerd bij scherpe binnenhoeken.</translation>
    </message>
    <message>
        <source>Built-up section ....</source>
        <translation>Samengestelde doorsnede ....</translation>
    </message>
    <message>
        <source>Parts (arrow keys move the part, Shift 10 mm):</source>
        <translation>Delen (pijltoetsen verschuiven het deel, Shift 10 mm):</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliceren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Aanschuiven</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Openen...</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Opslaan...</translation>
    </message>
    <message>
        <source>To List</source>
        <translation>Naar lijst</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Plate / rectangular solid</source>
        <translation>Plaat / massieve rechthoek</translation>
    </message>
    <message>
        <source>I section</source>
        <translation>I-profiel</translation>
    </message>
    <message>
        <source>U section</source>
        <translation>U-profiel</translation>
    </message>
    <message>
        <source>L section</source>
        <translation>L-profiel</translation>
    </message>
    <message>
        <source>T section</source>
        <translation>T-profiel</translation>
    </message>
    <message>
        <source>Rectangular hollow</source>
        <translation>Kokerprofiel</translation>
    </message>
    <message>
        <source>Circular hollow</source>
        <translation>Buisprofiel</translation>
    </message>
    <message>
        <source>Circular solid</source>
        <translation>Massief rond</translation>
    </message>
    <message>
        <source>Flat bar</source>
        <translation>Strip</translation>
    </message>
    <message>
        <source>Kind :</source>
        <translation>Soort :</translation>
    </message>
    <message>
        <source>Entry :</source>
        <translation>Maat :</translation>
    </message>
    <message>
        <source>Dimensions :</source>
        <translation>Afmetingen :</translation>
    </message>
    <message>
        <source>x of centroid :</source>
        <translation>Zwaartepunt x :</translation>
    </message>
    <message>
        <source>y of centroid :</source>
        <translation>Zwaartepunt y :</translation>
    </message>
    <message>
        <source>Angle :</source>
        <translation>Hoek :</translation>
    </message>
    <message>
        <source>Move until it touches :</source>
        <translation>Schuiven tot contact :</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Naam :</translation>
    </message>
    <message>
        <source>Typed dimensions</source>
        <translation>Ingevoerde afmetingen</translation>
    </message>
    <message>
        <source>dimensions in mm, as the tab&apos;s fields: 200, 10</source>
        <translation>in mm, zoals op het tabblad: 200, 10</translation>
    </message>
    <message>
        <source> deg.</source>
        <translation> gr.</translation>
    </message>
    <message>
        <source>mirrored about its vertical axis</source>
        <translation>gespiegeld om de verticale as</translation>
    </message>
    <message>
        <source>mirrored</source>
        <translation>gespiegeld</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschap</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Eenheid</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Berekenen…</translation>
    </message>
    <message>
        <source>No part lies in that direction of the selected part.</source>
        <translation>In die richting van het geselecteerde deel ligt geen ander deel.</translation>
    </message>
    <message>
        <source>Part %1 share of A, Ix</source>
        <translation>Aandeel deel %1 in A, Ix</translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation>Opmerking: %1.</translation>
    </message>
    <message>
        <source>Torsion and warping from a mesh of %1 quadratic triangles.</source>
        <translation>Torsie en welving uit een net van %1 kwadratische driehoeken.</translation>
    </message>
    <message>
        <source>Built-up sections (*.mvb)</source>
        <translation>Samengestelde doorsneden (*.mvb)</translation>
    </message>
    <message>
        <source>Save built-up section</source>
        <translation>Samengestelde doorsnede opslaan</translation>
    </message>
    <message>
        <source>Open built-up section</source>
        <translation>Samengestelde doorsnede openen</translation>
    </message>
    <message>
        <source>The built-up section could not be saved to %1.</source>
        <translation>De samengestelde doorsnede kon niet worden opgeslagen in %1.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>%1 is not a built-up section: %2.</source>
        <translation>%1 is geen samengestelde doorsnede: %2.</translation>
    </message>
    <message>
        <source>the parts do not all touch: they act together only if they are connected</source>
        <translation>de delen raken elkaar niet allemaal: ze werken alleen samen als ze verbonden zijn</translation>
    </message>
    <message>
        <source>the section has no parts</source>
        <translation>de doorsnede heeft geen delen</translation>
    </message>
    <message>
        <source>the outline has no area</source>
        <translation>de omtrek heeft geen oppervlak</translation>
    </message>
    <message>
        <source>the torsion solution did not converge</source>
        <translation>de torsie-oplossing convergeerde niet</translation>
    </message>
    <message>
        <source>the section is refused (Error wrong data !)</source>
        <translation>het profiel is geweigerd (Fout. Verkeerde gegevens !)</translation>
    </message>
    <message>
        <source>the section has no area</source>
        <translation>de doorsnede heeft geen oppervlak</translation>
    </message>
    <message>
        <source>part %1 (%2): %3</source>
        <translation>deel %1 (%2): %3</translation>
    </message>
    <message>
        <source>this kind takes %1 dimensions</source>
        <translation>deze soort heeft %1 afmetingen nodig</translation>
    </message>
</context>
<context>
    <name>ExactPropertiesWindow</name>
    <message>
        <source>Kt is not defined for sharp inner corners.</source>
        <translation>Kt is niet gedefinieerd bij scherpe binnenhoeken.</translation>
    </message>
    <message>
        <source>Exact properties</source>
        <translation>Exacte eigenschappen</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschap</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Berekenen…</translation>
    </message>
    <message>
        <source>No section computed yet.</source>
        <translation>Nog geen profiel berekend.</translation>
    </message>
    <message>
        <source>Torsion and warping from a mesh of %1 quadratic triangles.</source>
        <translation>Torsie en welving uit een net van %1 kwadratische driehoeken.</translation>
    </message>
    <message>
        <source>A plate has no cross-section properties.</source>
        <translation>Een plaat heeft geen doorsnede-eigenschappen.</translation>
    </message>
    <message>
        <source>%1, turned by %2 degrees</source>
        <translation>%1, %2 graden gedraaid</translation>
    </message>
    <message>
        <source>area</source>
        <translation>oppervlak</translation>
    </message>
    <message>
        <source>second moment of area about the horizontal axis X through the centroid</source>
        <translation>traagheidsmoment om de horizontale as X door het zwaartepunt</translation>
    </message>
    <message>
        <source>second moment of area about the vertical axis Y through the centroid</source>
        <translation>traagheidsmoment om de verticale as Y door het zwaartepunt</translation>
    </message>
    <message>
        <source>product moment of area</source>
        <translation>deviatiemoment</translation>
    </message>
    <message>
        <source>larger principal second moment of area</source>
        <translation>grootste hoofdtraagheidsmoment</translation>
    </message>
    <message>
        <source>smaller principal second moment of area</source>
        <translation>kleinste hoofdtraagheidsmoment</translation>
    </message>
    <message>
        <source>angle of the I1 axis from X</source>
        <translation>hoek van de I1-as ten opzichte van X</translation>
    </message>
    <message>
        <source>radius of gyration about X</source>
        <translation>traagheidsstraal om X</translation>
    </message>
    <message>
        <source>radius of gyration about Y</source>
        <translation>traagheidsstraal om Y</translation>
    </message>
    <message>
        <source>elastic section modulus about X, top fibre</source>
        <translation>elastisch weerstandsmoment om X, bovenste vezel</translation>
    </message>
    <message>
        <source>elastic section modulus about X, bottom fibre</source>
        <translation>elastisch weerstandsmoment om X, onderste vezel</translation>
    </message>
    <message>
        <source>elastic section modulus about Y, left fibre</source>
        <translation>elastisch weerstandsmoment om Y, linker vezel</translation>
    </message>
    <message>
        <source>elastic section modulus about Y, right fibre</source>
        <translation>elastisch weerstandsmoment om Y, rechter vezel</translation>
    </message>
    <message>
        <source>plastic section modulus about the equal-area axis parallel to X</source>
        <translation>plastisch weerstandsmoment om de oppervlakte-halverende as evenwijdig aan X</translation>
    </message>
    <message>
        <source>plastic section modulus about the equal-area axis parallel to Y</source>
        <translation>plastisch weerstandsmoment om de oppervlakte-halverende as evenwijdig aan Y</translation>
    </message>
    <message>
        <source>St Venant torsion constant</source>
        <translation>torsieconstante van Saint-Venant</translation>
    </message>
    <message>
        <source>warping constant about the shear centre</source>
        <translation>welvingsconstante om het dwarskrachtencentrum</translation>
    </message>
    <message>
        <source>torsion modulus: It over the largest shear-stress lever</source>
        <translation>torsieweerstandsmoment: It gedeeld door de grootste schuifspanningsarm</translation>
    </message>
    <message>
        <source>shear centre from the centroid, along X</source>
        <translation>dwarskrachtencentrum vanaf het zwaartepunt, langs X</translation>
    </message>
    <message>
        <source>shear centre from the centroid, along Y</source>
        <translation>dwarskrachtencentrum vanaf het zwaartepunt, langs Y</translation>
    </message>
    <message>
        <source>by how much the panel&apos;s torsion constant Ixx differs from It</source>
        <translation>hoeveel de torsieconstante Ixx van het paneel afwijkt van It</translation>
    </message>
    <message>
        <source>by how much the panel&apos;s torsion modulus Kxx differs from Kt</source>
        <translation>hoeveel het torsieweerstandsmoment Kxx van het paneel afwijkt van Kt</translation>
    </message>
    <message>
        <source>the outline has no area</source>
        <translation>de omtrek heeft geen oppervlak</translation>
    </message>
    <message>
        <source>the torsion solution did not converge</source>
        <translation>de torsie-oplossing convergeerde niet</translation>
    </message>
    <message>
        <source>no section is selected</source>
        <translation>er is geen profiel gekozen</translation>
    </message>
    <message>
        <source>the section is refused (Error wrong data !)</source>
        <translation>het profiel is geweigerd (Fout. Verkeerde gegevens !)</translation>
    </message>
    <message>
        <source>The computation failed</source>
        <translation>De berekening is mislukt</translation>
    </message>
    <message>
        <source>The computation failed: %1</source>
        <translation>De berekening is mislukt: %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>ListEditorWindow</name>
    <message>
        <source>Edit....</source>
        <translation>Bewerken....</translation>
    </message>
    <message>
        <source>Delete selected item(s)</source>
        <translation>Geselecteerde regel(s) wissen</translation>
    </message>
    <message>
        <source>Correction selected item...</source>
        <translation>Geselecteerde regel corrigeren...</translation>
    </message>
    <message>
        <source>Private data editing ....</source>
        <translation>Eigen gegevens invoeren ....</translation>
    </message>
    <message>
        <source>Units for listing...</source>
        <translation>Eenheden voor de lijst...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Report generator</source>
        <translation>Rapportgenerator</translation>
    </message>
    <message>
        <source>Translation....</source>
        <translation>Vertaling....</translation>
    </message>
    <message>
        <source>Exact properties</source>
        <translation>Exacte eigenschappen</translation>
    </message>
    <message>
        <source>Built-up section ....</source>
        <translation>Samengestelde doorsnede ....</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Recent jobs</source>
        <translation>Recente opdrachten</translation>
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
        <translation>Kx boven :</translation>
    </message>
    <message>
        <source>Kx under :</source>
        <translation>Kx onder :</translation>
    </message>
    <message>
        <source>Kx left :</source>
        <translation>Kx links :</translation>
    </message>
    <message>
        <source>Kx right :</source>
        <translation>Kx rechts :</translation>
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
        <translation>Naar lijst</translation>
    </message>
    <message>
        <source>Units for listing</source>
        <translation>Eenheden voor de lijst</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source> Material :</source>
        <translation> Materiaal :</translation>
    </message>
    <message>
        <source> Private data color </source>
        <translation> Kleur van eigen gegevens </translation>
    </message>
    <message>
        <source>Correction selected item...</source>
        <translation>Geselecteerde regel corrigeren...</translation>
    </message>
    <message>
        <source>Private data editing ....</source>
        <translation>Eigen gegevens invoeren ....</translation>
    </message>
    <message>
        <source>E modulus [KN/m2]:</source>
        <translation>E-modulus [KN/m2]:</translation>
    </message>
    <message>
        <source>Density [Kg/m3]:</source>
        <translation>Dichtheid [Kg/m3]:</translation>
    </message>
    <message>
        <source>Max.Tensil[N/mm2]:</source>
        <translation>Max.trek[N/mm2]:</translation>
    </message>
    <message>
        <source>Min.Pressure[N/mm2]:</source>
        <translation>Min.druk[N/mm2]:</translation>
    </message>
    <message>
        <source> Moment of inertia Ix, Iy %1</source>
        <translation> Traagheidsmoment Ix, Iy %1</translation>
    </message>
    <message>
        <source> Moment of resist. Kx, Ky %1</source>
        <translation> Weerstandsmoment Kx, Ky %1</translation>
    </message>
    <message>
        <source> Torsion inertia Ixx %1, Kxx %2</source>
        <translation> Torsietraagheid Ixx %1, Kxx %2</translation>
    </message>
    <message>
        <source> Area %1</source>
        <translation> Oppervlak %1</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>Report generator</source>
        <translation>Rapportgenerator</translation>
    </message>
</context>
<context>
    <name>RequirementWindow</name>
    <message>
        <source>A /Area/ %1</source>
        <translation>A /Oppervlak/ %1</translation>
    </message>
    <message>
        <source>Ix /Moment of inertia / %1 :</source>
        <translation>Ix /Traagheidsmoment / %1 :</translation>
    </message>
    <message>
        <source>Iy /Moment of inertia / %1 :</source>
        <translation>Iy /Traagheidsmoment / %1 :</translation>
    </message>
    <message>
        <source>Kx above /Mom. of resist. / %1 :</source>
        <translation>Kx boven /Weerst.mom. / %1 :</translation>
    </message>
    <message>
        <source>Kx under /Mom. of resist. / %1 :</source>
        <translation>Kx onder /Weerst.mom. / %1 :</translation>
    </message>
    <message>
        <source>Ixx /Torsion inertia / %1 :</source>
        <translation>Ixx /Torsietraagheid / %1 :</translation>
    </message>
    <message>
        <source>Kxx /Torsion resistance / %1 :</source>
        <translation>Kxx /Torsieweerstand / %1 :</translation>
    </message>
    <message>
        <source>Requirement</source>
        <translation>Eisen</translation>
    </message>
</context>
<context>
    <name>SectionPage</name>
    <message>
        <source> A length / mm / :</source>
        <translation> A lengte / mm / :</translation>
    </message>
    <message>
        <source> B length / mm / :</source>
        <translation> B lengte / mm / :</translation>
    </message>
    <message>
        <source> V thickness / mm / :</source>
        <translation> V dikte / mm / :</translation>
    </message>
    <message>
        <source>Typical</source>
        <translation>Gangbaar</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>To List</source>
        <translation>Naar lijst</translation>
    </message>
</context>
<context>
    <name>TranslationWindow</name>
    <message>
        <source>Load...</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Opslaan...</translation>
    </message>
</context>
<context>
    <name>UnitsWindow</name>
    <message>
        <source>Units for listing</source>
        <translation>Eenheden voor de lijst</translation>
    </message>
</context>
</TS>
