#pragma once

#include <QString>
#include <array>

class TranslationTable;

// The texts of the message table that the program shows, by what each says;
// the numbers are the table's keys ("ford" + number).
enum class Msg : int {
    WrongData = 1,
    Above = 9,
    Under = 10,
    Left = 11,
    Right = 12,
    Rotate = 13,
    DegreeSuffix = 14,
    TensileNotPositive = 15,
    PressureNotNegative = 16,
    PoissonOutOfRange = 17,
    TonneSuffix = 18,
    RectangularHollowCaption = 19,
    RectangularHollowFeatures = 20,
    WeightFormula = 21,
    RectangularSolidName = 29,
    RectangularSolidFeatures = 30,
    RibbonName = 31,
    RibbonFeatures = 32,
    RectangularHollowName = 33,
    SaveToFile = 37,
    PackingWait = 38,
    WriteError = 39,
    RemoveWriteProtection = 40,
    Loading = 41,
    UnpackingWait = 42,
    JobNamePrefix = 43,
    SaveChanges = 44,
    JobNamePrompt = 45,
    JobNameCaption = 46,
    RectangularHollowShort = 47,
    CircularSolidShort = 50,
    Degrees = 51,
    ZeroDegrees = 52,
    CircularHollowSection = 53,
    RectangularSolidSection = 54,
    CircularSolidSection = 55,
    Features = 56,
    DeleteSelected = 59,
    SectionSuffix = 62,
    SectionFeatures = 63,
    Centroid = 65,
    ISection = 66,
    RibbonSection = 68,
    CircularSolidDiameter = 69,
    MillimetreFeatures = 70,
    LSection = 72,
    Pipe = 73,
    Plate = 75,
    Item = 76,
    Designation = 77,
    Material = 78,
    EModulus = 79,
    Density = 80,
    Area = 81,
    Weight = 82,
    MomentOfInertia = 83,
    SectionModulus = 84,
    KxAbove = 85,
    KxUnder = 86,
    KyLeft = 87,
    KyRight = 88,
    TorsionInertia = 89,
    Poisson = 90,
    MaxTensile = 91,
    MinPressure = 92,
    PipeDiameter = 93,
    RotateCaption = 94,
    RotatePrompt = 95,
    CustomSection = 96,
    Data = 97,
    Inertia = 98,
    SectionModulusShort = 99,
    Tensile = 100,
    Default = 101,
    MinValue = 102,
    MaxValue = 103,
    BelowMinColour = 104,
    AboveMaxColour = 105,
    BetweenLimits = 106,
    BetweenLimitsColour = 107,
    ListFull = 108,
    PlotsSectionImage = 109,
    ImageSize = 110,
    MeasureFontSize = 111,
    DataFontSize = 112,
    Visible = 113,
    TensilePressure = 117,
    Cancel = 118,
    WrittenBy = 120,
    ApplyAndClose = 128,
    SortingCaption = 139,
    SortingText = 140,
    PleaseWait = 141,
    CannotCreateTemporaryFolder = 142,
    RemoveWriteProtectionAgain = 143,
    SelectTemporaryFolder = 144,
    CreatingHtmlWait = 145,
    AssociateApplication = 146,
    AssociateExtension = 147,
    AssociationReady = 148,
    TemporaryFiles = 149,
    Browse = 150,
    SettingsKeyError = 151,
    Language = 152,
    Translation = 153,
    Test = 154,
    Programmer = 155,
    HotRolledLSection = 156,
    ColdRolledLSection = 157,
    LoadingLanguage = 158,
    HotRolled = 159,
    ColdRolled = 160,
    SendTranslation = 163,
    Page = 167,
    FontSize = 168,
    PageNumber = 169,
    WeightCaption = 170,
    OnlyHtmlReport = 171,
    Print = 172,
    Accept = 173,
    PrinterAndPage = 174,
    PageSize = 175,
    PageOrientation = 176,
    Margin = 177,
    LeftMargin = 178,
    RightMargin = 179,
    TopMargin = 180,
    BottomMargin = 181,
    Portrait = 182,
    Landscape = 183,
    HtmlReport = 184,
    Assign = 185,
    ImpossibleData = 186,
    MultipageImages = 195,
    PrintAllPages = 196,
    Copies = 197,
    PrintCurrentPage = 198,
    Pages = 199,
    PaperTooSmall = 200,
};

// The numbered texts of the active language, slots 1..203.
class MessageTable {
public:
    static constexpr int Count = 203;

    MessageTable() = default;
    // The texts of one language column of a translation table.
    static MessageTable fromTable(const TranslationTable& table, int column);
    // English, from the built-in table.
    static const MessageTable& english();
    // A language of the settings list (0 English, 1 Hungarian, 2 Dutch) from
    // the built-in table; positions outside the list give English.
    static const MessageTable& forLanguage(int position);

    QString text(int n) const;
    QString operator()(int n) const { return text(n); }
    QString text(Msg id) const { return text(static_cast<int>(id)); }
    QString operator()(Msg id) const { return text(id); }
    void set(int n, const QString& text);

private:
    std::array<QString, Count + 1> m_texts;
};
