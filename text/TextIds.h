#pragma once
// The name of every text of the table. The value is the text's base id: the
// Japanese text is stored under it, the English twin beside it (TextTable.cpp
// applies the offset between the halves; nothing else knows it).
//
// Names start with what the text is: Caption (a label, frame or button of the
// window; an input's caption bears the name of its InputId), Title (the
// window's title bar), Pipe, Lining, Fluid and Mount (an entry of that list),
// Reason (why a value is refused or a calculation fails), PipeSize (the pipe
// size tables), Dialog (a dialog's buttons) and List (a list of points). A new text takes a free
// base id beside its kin and a name of its kind.

#include <cstdint>

enum class TextId : std::int16_t {
    FontName = 1,  // the font name of the window's controls, not shown as text

    CaptionMountingMethod = 790,
    CaptionSensorType = 800,
    CaptionLiningVelocity = 1100,  // also the lining list's typed-velocity entry
    CaptionLiningThickness = 1110,
    CaptionLiningMaterial = 1120,
    CaptionOuterDiameter = 1240,
    CaptionSensorSpacing = 1380,  // "1" or "2" follows
    CaptionInput = 1967,          // the legend of the required marks
    CaptionPipeVelocity = 2050,   // also the pipe list's typed-velocity entry
    CaptionPipeMaterial = 2060,
    CaptionFluidVelocity = 2200,  // also the fluid list's typed-velocity entry
    CaptionFluid = 2210,

    PipeCarbonSteel = 2760,
    PipeStainlessSteel = 2770,
    PipePvc = 2780,
    PipeCopper = 2790,
    PipeCastIron = 2800,
    PipeAluminum = 2810,
    PipeFrp = 2820,
    PipeDuctileIron = 2830,
    PipePeek = 2840,
    PipePvdf = 2850,
    PipeAcrylic = 2860,
    PipePp = 2861,

    CaptionWallThickness = 2880,

    LiningNone = 2890,
    LiningTarEpoxy = 2900,
    LiningMortar = 2910,
    LiningRubber = 2920,
    LiningTeflon = 2930,
    LiningPyrexGlass = 2940,

    FluidWater = 2950,
    FluidSeawater = 2960,
    FluidDistilledWater = 2970,
    FluidAmmonia = 2980,
    FluidAlcohol = 2990,
    FluidBenzene = 3000,
    FluidBromide = 3010,
    FluidEthanol = 3020,
    FluidGlycol = 3030,
    FluidKerosene = 3040,
    FluidMilk = 3050,
    FluidMethanol = 3060,
    FluidToluol = 3070,
    FluidLubeOil = 3080,
    FluidFuelOil = 3090,
    FluidPetrol = 3100,
    FluidRefrigerantR410 = 3101,

    MountV = 3140,
    MountZ = 3150,
    MountN = 3160,
    MountW = 3170,

    ReasonNotANumber = 3920,
    ReasonOutOfRange = 3921,
    CaptionExecute = 3922,
    ReasonNegativeSpacing = 3923,
    CaptionResultFrame = 3926,
    ReasonInvalidArgument = 3930,
    ReasonDivisionByZero = 3931,
    ReasonOverflow = 3932,
    ReasonConversionFailure = 3933,
    ReasonSubscriptOutOfRange = 3934,
    ReasonNotInList = 3940,
    ReasonMalformedRecord = 3941,
    ReasonNotReadWith = 3942,
    ReasonNeeds = 3943,
    ReasonNoSuchSize = 3944,
    ReasonDiffersFromTable = 3945,
    ReasonNoTemperatureModel = 3946,

    TitleFlowmeter = 4401,
    TitleSpacingTool = 4402,

    LiningPvc = 4460,

    PipeSizeMenuEntry = 4470,
    PipeSizeTitle = 4471,
    PipeSizeSchedule = 4472,
    PipeSizeStandard = 4473,
    PipeSizeNominalSize = 4474,
    DialogOk = 4475,
    DialogCancel = 4476,
    // Every sensor and mounting method compared for the pipe entered.
    CompareMenuEntry = 4480,
    CompareTitle = 4481,
    CompareSeries = 4482,     // the head of the sensors' series words
    CompareFrequency = 4483,  // the head of the sensors' frequencies
    // The fluid's sound velocity from the temperature of water, as the tool
    // has always taken it (--water-temperature).
    WaterTemperature = 4492,    // the temperature's caption
    WaterAtTemperature = 4493,  // what a velocity from a temperature says: "%1" the temperature
    // The mounting sheet as a PDF: the window's entry and dialogs, then the
    // sheet's own texts; %1 stands for the number or name put in.
    SheetMenuEntry = 4500,
    SheetHeading = 4501,
    SheetContinued = 4502,
    SheetEntriesHeading = 4503,
    SheetDrawingHeading = 4504,
    SheetSameSide = 4505,
    SheetOppositeSide = 4506,
    SheetStripHeading = 4507,
    SheetPrintNote = 4508,
    SheetCheckBar = 4509,
    SheetStripUsage = 4510,
    SheetFirstSensor = 4511,
    SheetSecondSensor = 4512,
    SheetJoin = 4513,
    SheetRefusedHeading = 4514,
    SheetRefusedTag = 4515,
    SheetRefusedMessage = 4516,
    SheetRefusedLine = 4517,  // a refused row without a tag: its line in the list
    SheetSaveTitle = 4518,    // the save dialog's title
    SheetSaved = 4519,        // and asks whether to open it
    SheetNotSaved = 4520,
    // The fluid's sound velocity from the temperature of a liquid with a
    // published model (and seawater's salinity).
    LiquidMenuEntry = 4530,
    LiquidTitle = 4531,
    LiquidCaption = 4532,             // the list of liquids with a model
    LiquidTemperatureCaption = 4533,  // the temperature's caption
    SalinityCaption = 4534,           // seawater's salinity's caption
    LiquidAtTemperature = 4535,       // "%1" the liquid, "%2" the temperature
    LiquidAtSalinity = 4536,          // follows it for seawater: "%1" the salinity
    LiquidSource = 4537,              // "%1" the model's source, "%2" its range
    LiquidSaturated = 4538,           // "%1" the velocity gained per bar, with its unit
    LiquidNoModel = 4539,             // "%1" the fluid list's entry
    LiquidSourceCaption = 4540,       // the model's source on the mounting sheet
    // A list of points headed by the window's Japanese captions: the column
    // of a point's message beside its results (rules/ResultColumns.h).
    ListMessageColumn = 4560,
    // A list of measuring points in the window: the entry that opens one,
    // the list window and its dialogs; %1 stands for a number or a name.
    ListMenuEntry = 4570,
    ListOpenTitle = 4571,  // the open dialog's title
    ListCsvFiles = 4572,   // the dialogs' file kinds
    ListAllFiles = 4573,
    ListTitle = 4574,       // the list window's title: %1 the file's name
    ListLineColumn = 4575,  // the head of the rows' lines when the list has no tag
    ListRefusedOnly = 4576,
    ListSummary = 4577,  // rows computed: %1, refused: %2
    ListPassedThrough = 4578,
    ListDidYouMean = 4579,  // %1 the column's name, %2 the input's
    ListSaveList = 4580,
    ListSaveSheets = 4581,
    ListReload = 4582,
    ListSaveListTitle = 4583,
    ListWritingSheets = 4584,  // the progress dialog's text
    ListNotSaved = 4585,
    ListNotAList = 4586,  // %1 the file, %2 why
    ListEmpty = 4587,
    ListNoInputs = 4588,
    ListBinary = 4589,
    ListUnreadable = 4590,  // %1 the system's reason
    ListFolder = 4591,
    ListTwoColumns = 4592,    // %1 the input's name
    ListResultColumn = 4593,  // %1 the result column's name
    ListNeeds = 4594,
    ListRefusedMark = 4595,  // the word beside a refused row's message
};
