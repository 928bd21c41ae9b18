#pragma once

// The catalogue of every fixed English text the core libraries can show.
// Windows pass these through QCoreApplication::translate("Messages", ...);
// lupdate collects them through the QT_TRANSLATE_NOOP marker. Texts are the
// system's own and are kept exactly, misspellings included.
//
// Add new texts to the section of their subsystem, one constant a line.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, text) text
#endif

#include "Message.h"

namespace velmora::msg {

// --- General ---------------------------------------------------------------
inline constexpr const char* AppTitle = QT_TRANSLATE_NOOP("Messages", "Velmora-VA (beta)");
inline constexpr const char* NoName = QT_TRANSLATE_NOOP("Messages", "No name");
inline constexpr const char* Modified = QT_TRANSLATE_NOOP("Messages", "modified");
inline constexpr const char* UnknownFileFormat = QT_TRANSLATE_NOOP("Messages", "Unknown file format %s");
inline constexpr const char* NotValidInteger = QT_TRANSLATE_NOOP("Messages", "'%s' is not a valid integer value");
inline constexpr const char* CannotOpenFile = QT_TRANSLATE_NOOP("Messages", "Cannot open file \"%s\". %s");
inline constexpr const char* CannotCreateFile = QT_TRANSLATE_NOOP("Messages", "Cannot create file \"%s\". %s");
inline constexpr const char* StreamReadError = QT_TRANSLATE_NOOP("Messages", "Stream read error");
inline constexpr const char* StreamWriteError = QT_TRANSLATE_NOOP("Messages", "Stream write error");
inline constexpr const char* DataTruncated = QT_TRANSLATE_NOOP(
    "Messages", "The data is damaged or truncated: %s at offset %s needs %s bytes, but only %s remain.");
inline constexpr const char* DataCountTooLarge =
    QT_TRANSLATE_NOOP("Messages", "The data is damaged: %s of %s does not fit in the %s bytes that remain.");
inline constexpr const char* ChunkSizeInvalid = QT_TRANSLATE_NOOP(
    "Messages", "The data is damaged: block %s at offset %s has the size %s, but only %s bytes remain.");
inline constexpr const char* ChunkHeaderTruncated =
    QT_TRANSLATE_NOOP("Messages", "The data is damaged: %s stray bytes at offset %s do not form a block.");
inline constexpr const char* RecordsOutOfProportion =
    QT_TRANSLATE_NOOP("Messages", "The data is damaged: %s bytes cannot hold %s curve records.");
inline constexpr const char* NestingTooDeep =
    QT_TRANSLATE_NOOP("Messages", "The data is damaged: the nodes are nested deeper than %s levels.");

// --- Start-up --------------------------------------------------------------
inline constexpr const char* SplashStarting = QT_TRANSLATE_NOOP("Messages", "Starting");
inline constexpr const char* SplashLoadingForms = QT_TRANSLATE_NOOP("Messages", "Loading forms...");
inline constexpr const char* SplashLoadingParameters = QT_TRANSLATE_NOOP("Messages", "Loading parameters...");
inline constexpr const char* SplashLoadingMethods = QT_TRANSLATE_NOOP("Messages", "Loading methods...");
inline constexpr const char* SplashLoadingFile = QT_TRANSLATE_NOOP("Messages", "Loading file...");

// --- Document --------------------------------------------------------------
// Document files and document commands.
inline constexpr const char* FileNotFound = QT_TRANSLATE_NOOP("Messages", "File not found");
inline constexpr const char* OpeningFile = QT_TRANSLATE_NOOP("Messages", "Opening file...");
inline constexpr const char* SavingToFile = QT_TRANSLATE_NOOP("Messages", "Saving to file");
inline constexpr const char* SaveChanges = QT_TRANSLATE_NOOP("Messages", "Save changes?");
inline constexpr const char* UnreadDataBlocks =
    QT_TRANSLATE_NOOP("Messages",
                      "File contains unread data blocks. Probably it was created in newer version of program. Saving "
                      "may cause some data loss!");
inline constexpr const char* SaveInBundledFormat =
    QT_TRANSLATE_NOOP("Messages",
                      "Would you like to save the Document in newer Bundled format (one file) or in old format (many "
                      "files, tree-like structure will be lost)?");
inline constexpr const char* DatabaseAlreadyExists = QT_TRANSLATE_NOOP(
    "Messages", "The database already exists in this folder. Select another folder or create a new one");
inline constexpr const char* ExportedToFile = QT_TRANSLATE_NOOP(
    "Messages",
    "You have exported data to file (%s), but all new changes will be stored in the database (%s).\r This option may "
    "be changed in Settings dialog by switching to 'Separate files' mode in 'Data storage' box.");
inline constexpr const char* OpenDocumentFilter =
    QT_TRANSLATE_NOOP("Messages", "Supported formats|*.mbd; *.tvx|*.tvx|*.tvx|*.mbd|*.mbd");
inline constexpr const char* ImportFilter = QT_TRANSLATE_NOOP("Messages", "Any file|*.*|*.dat|*.dat");
inline constexpr const char* SaveDocumentFilter = QT_TRANSLATE_NOOP("Messages", "*.tvx|*.tvx|*.mbd|*.mbd");
inline constexpr const char* NotValidFloat = QT_TRANSLATE_NOOP("Messages", "'%s' is not a valid floating point value");
inline constexpr const char* NotADocumentFile =
    QT_TRANSLATE_NOOP("Messages", "The file \"%s\" is not a document file.");
inline constexpr const char* TooManyPeaksForDatabase =
    QT_TRANSLATE_NOOP("Messages", "The curve \"%s\" holds %d peaks; the old format keeps only the first 21.");
// Tables of other instruments ("Data import").
inline constexpr const char* ImportLineUnreadable =
    QT_TRANSLATE_NOOP("Messages", "Line %s of the file cannot be read as a row of numbers: \"%s\"");
inline constexpr const char* ImportNoColumns =
    QT_TRANSLATE_NOOP("Messages", "The file holds no rows of two or more numbers.");
inline constexpr const char* ImportChooseColumns =
    QT_TRANSLATE_NOOP("Messages", "The file has %s columns: the potential and current columns must be chosen.");
inline constexpr const char* ImportNoSuchColumn = QT_TRANSLATE_NOOP("Messages", "The file has no column %s.");
inline constexpr const char* ImportDensityNote = QT_TRANSLATE_NOOP("Messages", "Current density, %s");
// Document forest and curve records.
inline constexpr const char* RemoveSelectedQuery = QT_TRANSLATE_NOOP("Messages", "Remove selected?");
inline constexpr const char* MeasTypeSupportingElectrolyte = QT_TRANSLATE_NOOP("Messages", "Supporting electrolyte");
inline constexpr const char* MeasTypeAnalyte = QT_TRANSLATE_NOOP("Messages", "Analyte");
inline constexpr const char* MeasTypeAddedStandard1 = QT_TRANSLATE_NOOP("Messages", "Added standard 1");
inline constexpr const char* MeasTypeAddedStandard2 = QT_TRANSLATE_NOOP("Messages", "Added standard 2");
inline constexpr const char* MeasTypeAddedStandard3 = QT_TRANSLATE_NOOP("Messages", "Added standard 3");
inline constexpr const char* MeasTypeReference = QT_TRANSLATE_NOOP("Messages", "Reference");
inline constexpr const char* VolumeSampleTaken =
    QT_TRANSLATE_NOOP("Messages", "Volume of sample taken for analyte preparation, cm^3^");
inline constexpr const char* VolumePreliminaryDilution =
    QT_TRANSLATE_NOOP("Messages", "Preliminary dilution of sample. If none then enter 1.");
inline constexpr const char* VolumeAshingMass = QT_TRANSLATE_NOOP("Messages", "Mass of sample taken for ashing, g");
inline constexpr const char* VolumeAshSolution =
    QT_TRANSLATE_NOOP("Messages", "Volume of solution obtained after dissolving of ash, cm^3^");
inline constexpr const char* VolumeBackground = QT_TRANSLATE_NOOP("Messages", "Background volume, cm^3^");
inline constexpr const char* VolumeAnalyteInCell =
    QT_TRANSLATE_NOOP("Messages", "Volume of analyte poured into the cell, cm^3^");
inline constexpr const char* VolumeAddition1 = QT_TRANSLATE_NOOP("Messages", "Addition 1, cm^3^");
inline constexpr const char* VolumeAddition2 = QT_TRANSLATE_NOOP("Messages", "Addition 2, cm^3^");
inline constexpr const char* VolumeAddition3 = QT_TRANSLATE_NOOP("Messages", "Addition 3, cm^3^");
inline constexpr const char* VolumeReference = QT_TRANSLATE_NOOP("Messages", "Reference, cm^3^");
inline constexpr const char* PropHeaderProperty = QT_TRANSLATE_NOOP("Messages", "Property");
inline constexpr const char* PropHeaderValue = QT_TRANSLATE_NOOP("Messages", "Value");
inline constexpr const char* PropDate = QT_TRANSLATE_NOOP("Messages", "Date");
inline constexpr const char* PropValuesRange = QT_TRANSLATE_NOOP("Messages", "Values range");
inline constexpr const char* PropConjunctionType = QT_TRANSLATE_NOOP("Messages", "Conjunction type");
inline constexpr const char* PropStirrer = QT_TRANSLATE_NOOP("Messages", "Stirrer");
inline constexpr const char* PropStirrerType = QT_TRANSLATE_NOOP("Messages", "Stirrer type");
inline constexpr const char* PropDelayAfterMixing = QT_TRANSLATE_NOOP("Messages", "Delay after mixing");
inline constexpr const char* PropSpeed = QT_TRANSLATE_NOOP("Messages", "Speed");
inline constexpr const char* PropSpeedValue = QT_TRANSLATE_NOOP("Messages", "%d rpm");
inline constexpr const char* PropCleaning = QT_TRANSLATE_NOOP("Messages", "Cleaning");
inline constexpr const char* PropPreparation1 = QT_TRANSLATE_NOOP("Messages", "Preparation 1");
inline constexpr const char* PropPreparation2 = QT_TRANSLATE_NOOP("Messages", "Preparation 2");
inline constexpr const char* PropElectrolysis = QT_TRANSLATE_NOOP("Messages", "Electrolysis");
inline constexpr const char* PropStageValue = QT_TRANSLATE_NOOP("Messages", "%d mV %d sec");
inline constexpr const char* PropCompensation = QT_TRANSLATE_NOOP("Messages", "Compensation");
inline constexpr const char* PropSweepRate = QT_TRANSLATE_NOOP("Messages", "Sweep rate");
inline constexpr const char* PropSweepRateValue = QT_TRANSLATE_NOOP("Messages", "%d mV/sec");
inline constexpr const char* PropSweepStart = QT_TRANSLATE_NOOP("Messages", "Sweep start");
inline constexpr const char* PropSweepEnd = QT_TRANSLATE_NOOP("Messages", "Sweep end");
inline constexpr const char* PropPotentialValue = QT_TRANSLATE_NOOP("Messages", "%d mV");
inline constexpr const char* PropModulation = QT_TRANSLATE_NOOP("Messages", "Modulation");
inline constexpr const char* PropModulationValue = QT_TRANSLATE_NOOP("Messages", "%d mV %d Hz");
inline constexpr const char* PropFilter = QT_TRANSLATE_NOOP("Messages", "Filter");
inline constexpr const char* PropRetention = QT_TRANSLATE_NOOP("Messages", "Retention, mV");
inline constexpr const char* PropComments = QT_TRANSLATE_NOOP("Messages", "Comments");
inline constexpr const char* PropOn = QT_TRANSLATE_NOOP("Messages", "On");
inline constexpr const char* PropOff = QT_TRANSLATE_NOOP("Messages", "Off");
inline constexpr const char* RangeCaption0 = QT_TRANSLATE_NOOP("Messages", "200 nA");
inline constexpr const char* RangeCaption1 = QT_TRANSLATE_NOOP("Messages", "2 mkA");
inline constexpr const char* RangeCaption2 = QT_TRANSLATE_NOOP("Messages", "20 mkA");
inline constexpr const char* RangeCaption3 = QT_TRANSLATE_NOOP("Messages", "200 mkA");
inline constexpr const char* RangeCaption4 = QT_TRANSLATE_NOOP("Messages", "2 mA");
inline constexpr const char* Conjunction2x = QT_TRANSLATE_NOOP("Messages", "2x electrodes");
inline constexpr const char* Conjunction3x = QT_TRANSLATE_NOOP("Messages", "3x electrodes");
inline constexpr const char* Conjunction4x = QT_TRANSLATE_NOOP("Messages", "4x electrodes");
inline constexpr const char* StirrerTypeStirrer = QT_TRANSLATE_NOOP("Messages", "Stirrer");
inline constexpr const char* StirrerTypeRegulatedStirrer = QT_TRANSLATE_NOOP("Messages", "Regulated stirrer");
inline constexpr const char* StirrerTypeRegulatedElectrode = QT_TRANSLATE_NOOP("Messages", "Regulated electrode");
inline constexpr const char* StirrerTypeRotatingElectrode = QT_TRANSLATE_NOOP("Messages", "Rotating electrode");

// --- Analyzer link and acquisition -----------------------------------------
// Program files.
inline constexpr const char* ProgramCarWrongSize =
    QT_TRANSLATE_NOOP("Messages", "The file \"%s\" is not a program set file: it holds %s bytes instead of %s.");
inline constexpr const char* ProgramCarTooLarge = QT_TRANSLATE_NOOP(
    "Messages", "The program set does not fit this file format: it holds at most %s programs of %s steps.");
inline constexpr const char* ProgramCountInvalid =
    QT_TRANSLATE_NOOP("Messages", "The data is damaged: %s holds the invalid count %s.");
inline constexpr const char* NoResponseCommand = QT_TRANSLATE_NOOP("Messages", "No responce from device. Command №%d");
inline constexpr const char* ErrorCrc = QT_TRANSLATE_NOOP("Messages", "Error CRC");
inline constexpr const char* DeviceNotCalibrated = QT_TRANSLATE_NOOP("Messages", "Divice is not calibrated");
inline constexpr const char* NoResponseOnReset = QT_TRANSLATE_NOOP("Messages", "No responce from device on reset.");
inline constexpr const char* OutputError = QT_TRANSLATE_NOOP("Messages", "Output error");
inline constexpr const char* ComPortNotSpecified =
    QT_TRANSLATE_NOOP("Messages", "Com-port component is not specified!");
inline constexpr const char* CannotOpenPort = QT_TRANSLATE_NOOP("Messages", "Cannot open the serial port \"%s\": %s");
inline constexpr const char* ErrorCaption = QT_TRANSLATE_NOOP("Messages", "Error");
inline constexpr const char* New3in1Allowed = QT_TRANSLATE_NOOP("Messages", "Usage of new 3 in 1 electrode is allowed");
inline constexpr const char* New3in1Impossible =
    QT_TRANSLATE_NOOP("Messages", "Usage of new 3 in 1 electrode is impossible");
inline constexpr const char* StageComplete = QT_TRANSLATE_NOOP("Messages", "Stage complete");
inline constexpr const char* ReadyForMeasurement = QT_TRANSLATE_NOOP("Messages", "Ready for measurment");
inline constexpr const char* StageElectrolysis = QT_TRANSLATE_NOOP("Messages", "Electrolysis");
inline constexpr const char* StageMeasurement = QT_TRANSLATE_NOOP("Messages", "Measurement");
inline constexpr const char* StageCleaning = QT_TRANSLATE_NOOP("Messages", "Cleaning");
inline constexpr const char* CircularBufferOverflow = QT_TRANSLATE_NOOP("Messages", "Circular buffer overflow");
inline constexpr const char* StagePreparation1 = QT_TRANSLATE_NOOP("Messages", "Preparation 1");
inline constexpr const char* StagePreparation2 = QT_TRANSLATE_NOOP("Messages", "Preparation 2");
inline constexpr const char* MercuryJetGap = QT_TRANSLATE_NOOP("Messages", "Mercury jet gap");
inline constexpr const char* Electrode3in1Recovering = QT_TRANSLATE_NOOP("Messages", "3 in 1 electrode recovering");
inline constexpr const char* StatusNumber = QT_TRANSLATE_NOOP("Messages", "Status: %d");
inline constexpr const char* CalibrCoefficientTooLarge =
    QT_TRANSLATE_NOOP("Messages", "The coefficient %s is too large: it must not exceed 65535.");
inline constexpr const char* CalibrDivisionByZero = QT_TRANSLATE_NOOP("Messages", "Division by zero");
inline constexpr const char* MixerSpeedTooHigh =
    QT_TRANSLATE_NOOP("Messages", "The stirrer speed %d rpm is too high: it must stay below 2560 rpm.");
// Acquisition run.
inline constexpr const char* ResetInstrumentFirst =
    QT_TRANSLATE_NOOP("Messages", "Reset the instrument by pressing \"R\" button");
inline constexpr const char* StopAndResetQuery =
    QT_TRANSLATE_NOOP("Messages", "Do you really want to stop and reset the device?");
inline constexpr const char* RecoveryQuery = QT_TRANSLATE_NOOP(
    "Messages",
    "The program did not end normally last time. %s recorded curves were not saved. Restore them into a new document?");
inline constexpr const char* RecoveryDamaged =
    QT_TRANSLATE_NOOP("Messages", "The end of the recovery journal was damaged; the curves before it were restored.");
inline constexpr const char* RecoveryEntriesSkipped = QT_TRANSLATE_NOOP(
    "Messages", "%s damaged entries of the recovery journal were skipped; the curves around them were restored.");
inline constexpr const char* JournalAppendFailed = QT_TRANSLATE_NOOP(
    "Messages",
    "The curve \"%s\" could not be written to the recovery journal (%s). It is in the document: save the document "
    "to keep it safe.");
inline constexpr const char* DataFolderInUse = QT_TRANSLATE_NOOP(
    "Messages",
    "Another instance of the program uses the data folder \"%s\". This instance leaves the recovery journal there "
    "to it and keeps none of its own: save the document to keep what you record here.");
// Autosampler: the tray, its batch layout and faults during a batch.
inline constexpr const char* SamplerNotFound =
    QT_TRANSLATE_NOOP("Messages", "Autosampler not found. Check the connection and reset the device");
inline constexpr const char* SamplerSampleCaption = QT_TRANSLATE_NOOP("Messages", "Sample %d");
inline constexpr const char* SamplerServiceCell = QT_TRANSLATE_NOOP("Messages", "Service cell");
inline constexpr PluralText SamplerNoAnswer = {
    "The autosampler did not answer on its way to cell %s. The batch is stopped; the %n curve recorded so far is "
    "kept.",
    QT_TRANSLATE_N_NOOP("Messages",
                        "The autosampler did not answer on its way to cell %s. The batch is stopped; the %n curves "
                        "recorded so far are kept.")};
inline constexpr PluralText SamplerWrongCell = {
    "The autosampler did not report cell %s after the move. The batch is stopped; the %n curve recorded so far is "
    "kept.",
    QT_TRANSLATE_N_NOOP("Messages",
                        "The autosampler did not report cell %s after the move. The batch is stopped; the %n curves "
                        "recorded so far are kept.")};
// What the analyzer is doing while a hand command to the autosampler runs.
inline constexpr const char* SamplerMovingTo = QT_TRANSLATE_NOOP("Messages", "Moving the tray to cell %s...");
inline constexpr const char* SamplerLowering = QT_TRANSLATE_NOOP("Messages", "Lowering the electrode...");
inline constexpr const char* SamplerRaising = QT_TRANSLATE_NOOP("Messages", "Raising the electrode...");
inline constexpr const char* SamplerElectrodeNotRaised =
    QT_TRANSLATE_NOOP("Messages", "The electrode did not go up. Raise it by hand before the tray is turned.");
inline constexpr const char* SamplerNoFreeCell =
    QT_TRANSLATE_NOOP("Messages", "The tray has no free cell left for the service cell \"%s\" of the method \"%s\".");
inline constexpr const char* SamplerNoRoomForSample = QT_TRANSLATE_NOOP(
    "Messages", "The service cells take %d of the 15 cells: one sample needs %d more. Uncheck a method to make room.");
inline constexpr const char* SamplerJournalFailed = QT_TRANSLATE_NOOP(
    "Messages",
    "The curve \"%s\" could not be written to the recovery journal (%s). The batch is stopped so that no further "
    "curve is at risk.");
// Record parameters editor and program table.
inline constexpr const char* ProgramOpenFilter =
    QT_TRANSLATE_NOOP("Messages",
                      "All types of programs|*.prg;*.car;*.vap|Single step program *.prg|*.prg|Multistep program "
                      "*.car|*.car|New multistep program *.vap|*.vap");
inline constexpr const char* ProgramSaveFilter = QT_TRANSLATE_NOOP(
    "Messages", "New multistep program *.vap|*.vap|Multistep program *.car|*.car|Single step program *.prg|*.prg");
inline constexpr const char* ProgramFileNotProgram =
    QT_TRANSLATE_NOOP("Messages", "The file \"%s\" is not a program file of a known type.");
inline constexpr const char* ProgramFileCannotOpen = QT_TRANSLATE_NOOP("Messages", "Cannot open file \"%s\".");
inline constexpr const char* RecCaptionRate = QT_TRANSLATE_NOOP("Messages", "Rate");
inline constexpr const char* RecCaptionDiscrete = QT_TRANSLATE_NOOP("Messages", "Discrete");
inline constexpr const char* RecCaptionRange = QT_TRANSLATE_NOOP("Messages", "Range");
inline constexpr const char* RecCaptionStart = QT_TRANSLATE_NOOP("Messages", "Start");
inline constexpr const char* RecCaptionPotential = QT_TRANSLATE_NOOP("Messages", "Potential");
inline constexpr const char* RecCaptionEnd = QT_TRANSLATE_NOOP("Messages", "End");
inline constexpr const char* RecCaptionN = QT_TRANSLATE_NOOP("Messages", "N");
inline constexpr const char* RecCaptionMeasurmentTime = QT_TRANSLATE_NOOP("Messages", "Measurment time");
inline constexpr const char* RecUnitMvPerSec = QT_TRANSLATE_NOOP("Messages", "mV/sec");
inline constexpr const char* RecUnitVPerSec = QT_TRANSLATE_NOOP("Messages", "V/sec");
inline constexpr const char* RecUnitMsec = QT_TRANSLATE_NOOP("Messages", "msec");
inline constexpr const char* RecUnitMv = QT_TRANSLATE_NOOP("Messages", "mV");
inline constexpr const char* RecUnitSec = QT_TRANSLATE_NOOP("Messages", "sec");
inline constexpr const char* RecModulationGroup = QT_TRANSLATE_NOOP("Messages", "Modulation");
inline constexpr const char* RecImpulsGroup = QT_TRANSLATE_NOOP("Messages", "Impuls mv/msec");
inline constexpr const char* ProgramTableNoValue = QT_TRANSLATE_NOOP("Messages", "----");

// --- Quantitation ----------------------------------------------------------
// Peak search, peak values and their vocabulary.
inline constexpr const char* PolyFitTooFewPoints =
    QT_TRANSLATE_NOOP("Messages", "PolyFit called with less than two points");
inline constexpr const char* UnknownPeakName = QT_TRANSLATE_NOOP("Messages", "Unknown %d");
inline constexpr const char* MixedCalcTypes = QT_TRANSLATE_NOOP("Messages", "Mixed peak calculation types");
inline constexpr const char* MixedBaselineTypes = QT_TRANSLATE_NOOP("Messages", "Mixed baseline types");
inline constexpr const char* BaselineLinear = QT_TRANSLATE_NOOP("Messages", "Linear");
inline constexpr const char* BaselineSpline = QT_TRANSLATE_NOOP("Messages", "Spline");
inline constexpr const char* CalcNameByHeight = QT_TRANSLATE_NOOP("Messages", "by height");
inline constexpr const char* CalcNameBySquare = QT_TRANSLATE_NOOP("Messages", "by square");
inline constexpr const char* CalcNameByAbsHeight = QT_TRANSLATE_NOOP("Messages", "by abs height");
inline constexpr const char* CalcNameByAbsHeightTwoLines =
    QT_TRANSLATE_NOOP("Messages", "by abs height with two lines");
inline constexpr const char* CalcNameIntersection = QT_TRANSLATE_NOOP("Messages", "intersection point");
inline constexpr const char* CalcNamePotDiff = QT_TRANSLATE_NOOP("Messages", "potential difference");
inline constexpr const char* CalcNameLinSlope = QT_TRANSLATE_NOOP("Messages", "linearization slope");
inline constexpr const char* CalcNameByAbsHeightLine = QT_TRANSLATE_NOOP("Messages", "by abs height with line");
inline constexpr const char* UnitMicroAmpere = QT_TRANSLATE_NOOP("Messages", "µA");
inline constexpr const char* UnitMicroAmpereMillivolt = QT_TRANSLATE_NOOP("Messages", "µA*mV");
inline constexpr const char* UnitMillivolt = QT_TRANSLATE_NOOP("Messages", "mV");
// Peak editing: questions before changing every peak.
inline constexpr const char* AskChangeAllCalcTypes =
    QT_TRANSLATE_NOOP("Messages", "Do you want to change all peaks calculation types?");
inline constexpr const char* AskChangeAllBaselineTypes =
    QT_TRANSLATE_NOOP("Messages", "Do you want to change all peaks baseline types?");
// Predefined peaks given to the command-line tool as JSON.
inline constexpr const char* JsonDamaged = QT_TRANSLATE_NOOP("Messages", "The JSON text is damaged near byte %d.");
inline constexpr const char* JsonTooDeep = QT_TRANSLATE_NOOP("Messages", "The JSON text nests deeper than %d levels.");
inline constexpr const char* PredefPeaksNotList =
    QT_TRANSLATE_NOOP("Messages", "The predefined peaks must be a list of objects.");
inline constexpr const char* PredefPeakBadField =
    QT_TRANSLATE_NOOP("Messages", "Predefined peak %d: the field \"%s\" has a wrong value.");
// Concentration calculation: methods, units, parameters and abscissas.
inline constexpr const char* MethodOneAddition = QT_TRANSLATE_NOOP("Messages", "One standard addition method");
inline constexpr const char* MethodStandardAdditions = QT_TRANSLATE_NOOP("Messages", "Standard additions method");
inline constexpr const char* MethodThreeAdditionsHg =
    QT_TRANSLATE_NOOP("Messages", "Three standard additions method (Hg)");
inline constexpr const char* MethodComparative = QT_TRANSLATE_NOOP("Messages", "Comparative method");
inline constexpr const char* MethodCalibrationCurve = QT_TRANSLATE_NOOP("Messages", "Calibration curve");
inline constexpr const char* MethodByCalibration = QT_TRANSLATE_NOOP("Messages", "By calibration");
inline constexpr const char* ConcUnitMm3 = QT_TRANSLATE_NOOP("Messages", "mm^3^");
inline constexpr const char* ConcUnitCm3 = QT_TRANSLATE_NOOP("Messages", "cm^3^");
inline constexpr const char* ConcUnitDm3 = QT_TRANSLATE_NOOP("Messages", "dm^3^");
inline constexpr const char* ConcUnitM3 = QT_TRANSLATE_NOOP("Messages", "m^3^");
inline constexpr const char* ConcUnitUg = QT_TRANSLATE_NOOP("Messages", "µg");
inline constexpr const char* ConcUnitMg = QT_TRANSLATE_NOOP("Messages", "mg");
inline constexpr const char* ConcUnitG = QT_TRANSLATE_NOOP("Messages", "g");
inline constexpr const char* ConcUnitKg = QT_TRANSLATE_NOOP("Messages", "kg");
inline constexpr const char* ConcParamAliquot = QT_TRANSLATE_NOOP("Messages", "Aliquot volume, cm^3^");
inline constexpr const char* ConcParamDilution = QT_TRANSLATE_NOOP("Messages", "Dilution factor");
inline constexpr const char* ConcParamSampleMass = QT_TRANSLATE_NOOP("Messages", "Sample mass, g");
inline constexpr const char* ConcParamPreparedVolume = QT_TRANSLATE_NOOP("Messages", "Prepared volume, cm^3^");
inline constexpr const char* ConcParamCellVolume = QT_TRANSLATE_NOOP("Messages", "Cell volume, cm^3^");
inline constexpr const char* ConcCoefElectrons =
    QT_TRANSLATE_NOOP("Messages", "Number of electrons transferred in the redox event");
inline constexpr const char* ConcCoefArea = QT_TRANSLATE_NOOP("Messages", "Electrode area, cm^2^");
inline constexpr const char* ConcCoefConcentration = QT_TRANSLATE_NOOP("Messages", "Concentration, mol/dm^3^");
inline constexpr const char* ConcCoefTemperature = QT_TRANSLATE_NOOP("Messages", "Temperature, K");
inline constexpr const char* ConcCoefViscosity =
    QT_TRANSLATE_NOOP("Messages", "Kinematic viscosity of the solution, cm^2^/s");
inline constexpr const char* ConcDiffusionCoefficient = QT_TRANSLATE_NOOP("Messages", "Diffusion coefficient, cm^2^/s");
inline constexpr const char* ConcSelectSeries = QT_TRANSLATE_NOOP("Messages", "Select series using checkboxes");
inline constexpr const char* AbscissaConcentration = QT_TRANSLATE_NOOP("Messages", "Concentration");
inline constexpr const char* AbscissaSweepRateRoot = QT_TRANSLATE_NOOP("Messages", "Square root of the sweep rate");
inline constexpr const char* AbscissaAngularFrequencyRoot =
    QT_TRANSLATE_NOOP("Messages", "Square root of the angular frequency");
inline constexpr const char* AbscissaCleaningPotential = QT_TRANSLATE_NOOP("Messages", "Cleaning potential");
inline constexpr const char* AbscissaCleaningTime = QT_TRANSLATE_NOOP("Messages", "Cleaning time");
inline constexpr const char* AbscissaPreparation1Potential = QT_TRANSLATE_NOOP("Messages", "Preparation 1 potential");
inline constexpr const char* AbscissaPreparation1Time = QT_TRANSLATE_NOOP("Messages", "Preparation 1 time");
inline constexpr const char* AbscissaPreparation2Potential = QT_TRANSLATE_NOOP("Messages", "Preparation 2 potential");
inline constexpr const char* AbscissaPreparation2Time = QT_TRANSLATE_NOOP("Messages", "Preparation 2 time");
inline constexpr const char* AbscissaElectrolysisPotential = QT_TRANSLATE_NOOP("Messages", "Electrolysis potential");
inline constexpr const char* AbscissaElectrolysisTime = QT_TRANSLATE_NOOP("Messages", "Electrolysis time");
inline constexpr const char* AbscissaDelayAfterMixing = QT_TRANSLATE_NOOP("Messages", "Delay after mixing");
inline constexpr const char* AbscissaModulationAmplitude = QT_TRANSLATE_NOOP("Messages", "Modulation amplitude");
inline constexpr const char* AbscissaModulationFrequency = QT_TRANSLATE_NOOP("Messages", "Modulation frequency");
// Calculation window.
inline constexpr const char* CalcMethodNotSupported =
    QT_TRANSLATE_NOOP("Messages",
                      "Method is not supported. Probably this file was created in newer version of the software. "
                      "Update may solve this problem.");
inline constexpr const char* CalcPasteSkipped =
    QT_TRANSLATE_NOOP("Messages", "%s of the pasted cells kept their values: cell %s cannot take \"%s\".");
inline constexpr const char* CalcSpecifyDimension =
    QT_TRANSLATE_NOOP("Messages", "Specify the dimension of the result");

// Results archive.
inline constexpr const char* ArchiveCannotOpen =
    QT_TRANSLATE_NOOP("Messages", "Cannot open the results archive %s: %s");
inline constexpr const char* ArchiveWriteFailed =
    QT_TRANSLATE_NOOP("Messages", "The results were not archived in %s (nothing was written): %s");
inline constexpr const char* ArchiveReadFailed =
    QT_TRANSLATE_NOOP("Messages", "Cannot read the results archive %s: %s");
inline constexpr const char* ArchiveBadAddress = QT_TRANSLATE_NOOP(
    "Messages", "\"%s\" is not a database address; write postgresql://user@host:port/database or a file name");
inline constexpr const char* ArchiveNewerSchema = QT_TRANSLATE_NOOP(
    "Messages",
    "The results archive %s was made by a newer version of the program (schema %s; this one knows up to %s)");
inline constexpr const char* ArchiveNoDriver =
    QT_TRANSLATE_NOOP("Messages", "The database driver %s is not installed (package %s)");

// --- Methods, scripts and formulas -----------------------------------------
// Expression calculator: built-in variable comments, then check and evaluation errors.
inline constexpr const char* CalcVarIB = QT_TRANSLATE_NOOP("Messages", "Supporting electrolyte current");
inline constexpr const char* CalcVarI0 = QT_TRANSLATE_NOOP("Messages", "Analyte current");
inline constexpr const char* CalcVarI1 = QT_TRANSLATE_NOOP("Messages", "Added standard 1 current");
inline constexpr const char* CalcVarI2 = QT_TRANSLATE_NOOP("Messages", "Added standard 2 current");
inline constexpr const char* CalcVarI3 = QT_TRANSLATE_NOOP("Messages", "Added standard 3 current");
inline constexpr const char* CalcVarIR = QT_TRANSLATE_NOOP("Messages", "Reference sample current");
inline constexpr const char* CalcVarC1 = QT_TRANSLATE_NOOP("Messages", "Addition 1 concentration");
inline constexpr const char* CalcVarC2 = QT_TRANSLATE_NOOP("Messages", "Addition 2 concentration");
inline constexpr const char* CalcVarC3 = QT_TRANSLATE_NOOP("Messages", "Addition 3 concentration");
inline constexpr const char* CalcVarVAL = QT_TRANSLATE_NOOP("Messages", "Aliquot volume, cm^3^");
inline constexpr const char* CalcVarD = QT_TRANSLATE_NOOP("Messages", "Dilution factor");
inline constexpr const char* CalcVarM = QT_TRANSLATE_NOOP("Messages", "Sample mass, g");
inline constexpr const char* CalcVarVM = QT_TRANSLATE_NOOP("Messages", "Prepared volume, cm^3^");
inline constexpr const char* CalcVarVC = QT_TRANSLATE_NOOP("Messages", "Cell volume, cm^3^");
inline constexpr const char* CalcVarV1 = QT_TRANSLATE_NOOP("Messages", "Addition 1, cm^3^");
inline constexpr const char* CalcVarV2 = QT_TRANSLATE_NOOP("Messages", "Addition 2, cm^3^");
inline constexpr const char* CalcVarV3 = QT_TRANSLATE_NOOP("Messages", "Addition 3, cm^3^");
inline constexpr const char* CalcVarVR = QT_TRANSLATE_NOOP("Messages", "Reference, cm^3^");
inline constexpr const char* CalcEmptyVariableName = QT_TRANSLATE_NOOP("Messages", "Empty variable name");
inline constexpr const char* CalcNameOnlyDigits =
    QT_TRANSLATE_NOOP("Messages", "The variable name can not consist only of digits");
inline constexpr const char* CalcDuplicateVariableName = QT_TRANSLATE_NOOP("Messages", "Duplicate variable name");
inline constexpr const char* CalcUnknownVariable = QT_TRANSLATE_NOOP("Messages", "Unknown variable");
inline constexpr const char* CalcDivisionByZero = QT_TRANSLATE_NOOP("Messages", "Division by zero");
inline constexpr const char* CalcErrorLine = QT_TRANSLATE_NOOP("Messages", "%s '%s'");

// Undo and redo: the names of the undo steps.
inline constexpr const char* UndoRemoveSelected = QT_TRANSLATE_NOOP("Messages", "Remove selected");
inline constexpr const char* UndoRename = QT_TRANSLATE_NOOP("Messages", "Rename");
inline constexpr const char* UndoChangeNodeType = QT_TRANSLATE_NOOP("Messages", "Change node type");
inline constexpr const char* UndoShowHideSeries = QT_TRANSLATE_NOOP("Messages", "Show/Hide series");
inline constexpr const char* UndoFoldUnfold = QT_TRANSLATE_NOOP("Messages", "Fold/Unfold");
inline constexpr const char* UndoMoveUp = QT_TRANSLATE_NOOP("Messages", "Move up");
inline constexpr const char* UndoMoveDown = QT_TRANSLATE_NOOP("Messages", "Move down");
inline constexpr const char* UndoCheck = QT_TRANSLATE_NOOP("Messages", "Check");
inline constexpr const char* UndoGroupNodes = QT_TRANSLATE_NOOP("Messages", "Group nodes");
inline constexpr const char* UndoSeparateNodes = QT_TRANSLATE_NOOP("Messages", "Separate nodes");
inline constexpr const char* UndoDataChange = QT_TRANSLATE_NOOP("Messages", "Data change");
inline constexpr const char* UndoPeakChange = QT_TRANSLATE_NOOP("Messages", "Peak change");
inline constexpr const char* UndoNewPeak = QT_TRANSLATE_NOOP("Messages", "New peak");
inline constexpr const char* UndoRemovePeak = QT_TRANSLATE_NOOP("Messages", "Remove peak");
inline constexpr const char* UndoPeaksAutoSearch = QT_TRANSLATE_NOOP("Messages", "Peaks auto search");
inline constexpr const char* UndoRenamePeak = QT_TRANSLATE_NOOP("Messages", "Rename peak");
inline constexpr const char* UndoParametersChange = QT_TRANSLATE_NOOP("Messages", "Parameters change");
inline constexpr const char* UndoPotentialShift = QT_TRANSLATE_NOOP("Messages", "Potential shift");
inline constexpr const char* UndoPasteData = QT_TRANSLATE_NOOP("Messages", "Paste data");

// Options dialog.
inline constexpr const char* UnableToOpenComPort = QT_TRANSLATE_NOOP("Messages", "Unable to open com port");
inline constexpr const char* OptionsSaveDirMissing = QT_TRANSLATE_NOOP(
    "Messages", "The folder \"%s\" does not exist. Choose an existing folder for the central database.");
inline constexpr const char* OptionsDeviceOffLine =
    QT_TRANSLATE_NOOP("Messages", "The analyzer is not on line. Connect it on the \"Ports\" page with \"Test\" first.");

// Serial line of the analyzer.
inline constexpr const char* PortOpenFailed = QT_TRANSLATE_NOOP("Messages", "Unable to open com port\n\"%s\": %s");
inline constexpr const char* PortLost =
    QT_TRANSLATE_NOOP("Messages",
                      "The serial port \"%s\" of the analyzer was lost (%s). A run in progress has ended; its finished "
                      "voltammograms are kept. Reconnect the analyzer and press \"Reset device\".");
inline constexpr const char* EmulatorChosen = QT_TRANSLATE_NOOP(
    "Messages",
    "No serial port was found, so the port setting names the built-in analyzer emulator. Voltammograms recorded from "
    "it are simulated, not measured, and are marked so. Choose the analyzer's port in Settings, \"Ports\".");
// Record folders, calibrations and statistics.
inline constexpr const char* RecordIndexDamaged =
    QT_TRANSLATE_NOOP("Messages",
                      "The index \"%s\" of the record folder is damaged (%s). The items read before the damage are "
                      "kept; the file is kept as \"%s\".");
inline constexpr const char* FolderBusy = QT_TRANSLATE_NOOP(
    "Messages",
    "The folder \"%s\" is in use by another program: its lock \"%s\" was not released in time. Try again later.");
inline constexpr const char* RecordItemUnreadable =
    QT_TRANSLATE_NOOP("Messages", "The record \"%s\" cannot be read from \"%s\": %s");
inline constexpr const char* RecordBlockSize =
    QT_TRANSLATE_NOOP("Messages", "The block with tag %s holds %s bytes where %s are expected");
inline constexpr const char* RecordPointCount =
    QT_TRANSLATE_NOOP("Messages", "The calibration points block counts %s points in %s bytes");
// The calibration pages of the print window.
inline constexpr const char* PrintCalibrationCurve = QT_TRANSLATE_NOOP("Messages", "Calibration curve");
inline constexpr const char* PrintCalibrationReportDate = QT_TRANSLATE_NOOP("Messages", "Report date: %s");
inline constexpr const char* PrintCalibrationElement = QT_TRANSLATE_NOOP("Messages", "Element: %s");
inline constexpr const char* PrintCalibrationDate = QT_TRANSLATE_NOOP("Messages", "Calibration date: %s");
inline constexpr const char* PrintCalibrationCalcChart = QT_TRANSLATE_NOOP("Messages", "Calculation chart");
inline constexpr const char* PrintCalibrationR2 = QT_TRANSLATE_NOOP("Messages", "R^2^[%s]=%1.4f");
inline constexpr const char* PrintCalibrationLine = QT_TRANSLATE_NOOP("Messages", "y[%s]=%4.5f+%4.5f*C");
inline constexpr const char* PrintCalibrationFigures =
    QT_TRANSLATE_NOOP("Messages", "s(y/x)=%s  LOD=%s  LOQ=%s  (n=%d)");
inline constexpr const char* PrintCalibrationDatabaseNumber = QT_TRANSLATE_NOOP("Messages", "Database #");
inline constexpr const char* PrintCalibrationComments = QT_TRANSLATE_NOOP("Messages", "Comments");
inline constexpr const char* PrintCalibrationConcentration = QT_TRANSLATE_NOOP("Messages", "Concentration, [%s/%s]");
inline constexpr const char* PrintCalibrationSeries = QT_TRANSLATE_NOOP("Messages", "%s R2=%1.4f");
inline constexpr const char* MethodAlreadyExists = QT_TRANSLATE_NOOP("Messages", "Method already exists!");
inline constexpr const char* ErrorOnMethodLoad = QT_TRANSLATE_NOOP("Messages", "error on method load!");
inline constexpr const char* ErrorOnMethodScriptCorrection =
    QT_TRANSLATE_NOOP("Messages", "error on method script correction!");
inline constexpr const char* EnterTheNamePlease = QT_TRANSLATE_NOOP("Messages", "Enter the name, please...");

// Methods library and method files.
inline constexpr const char* SplashLoadingMethod = QT_TRANSLATE_NOOP("Messages", "Loading method %s...");
inline constexpr const char* MethodFileFilter = QT_TRANSLATE_NOOP("Messages", "Method file|*.mtd");
inline constexpr const char* ScriptFileFilter = QT_TRANSLATE_NOOP("Messages", "Script file *.tvs|*.tvs");
inline constexpr const char* MethodUnreadable =
    QT_TRANSLATE_NOOP("Messages", "The method \"%s\" cannot be read and is left out: %s");
inline constexpr const char* MethodDataTooLarge =
    QT_TRANSLATE_NOOP("Messages", "The data is damaged: it holds more %s than a method can (at most %s).");
inline constexpr const char* MethodCountInvalid =
    QT_TRANSLATE_NOOP("Messages", "The data is damaged: %s holds the invalid value %s.");
inline constexpr const char* RecordParametersCaption = QT_TRANSLATE_NOOP("Messages", "Record parameters");
inline constexpr const char* CustomCaption = QT_TRANSLATE_NOOP("Messages", "Custom");
inline constexpr const char* CellKindService = QT_TRANSLATE_NOOP("Messages", "Service cell");
inline constexpr const char* StageAssemblingOfCell = QT_TRANSLATE_NOOP("Messages", "Assembling of cell");
inline constexpr const char* StageRecording = QT_TRANSLATE_NOOP("Messages", "Recording");
inline constexpr const char* StageTreatment = QT_TRANSLATE_NOOP("Messages", "Treatment");
inline constexpr const char* StageReport = QT_TRANSLATE_NOOP("Messages", "Report");
// Method scripts: the editor's actions (type order).
inline constexpr const char* StepActionWait = QT_TRANSLATE_NOOP("Messages", "Wait for user input");
inline constexpr const char* StepActionStageName = QT_TRANSLATE_NOOP("Messages", "Enter Stage name");
inline constexpr const char* StepActionPage = QT_TRANSLATE_NOOP("Messages", "Switch page");
inline constexpr const char* StepActionCellType = QT_TRANSLATE_NOOP("Messages", "Set cell type");
inline constexpr const char* StepActionElectrode = QT_TRANSLATE_NOOP("Messages", "Set electrod material");
inline constexpr const char* StepActionBeginCycle = QT_TRANSLATE_NOOP("Messages", "Begin measurement cycle");
inline constexpr const char* StepActionCalcMethod = QT_TRANSLATE_NOOP("Messages", "Set calculation method");
inline constexpr const char* StepActionCalcTable = QT_TRANSLATE_NOOP("Messages", "Set default calculation parameters");
inline constexpr const char* StepActionUnits = QT_TRANSLATE_NOOP("Messages", "Set concentration dimention");
inline constexpr const char* StepActionPeaks = QT_TRANSLATE_NOOP("Messages", "Set predefined peaks");
inline constexpr const char* StepActionProgram = QT_TRANSLATE_NOOP("Messages", "Set VA program");
inline constexpr const char* StepActionLoops = QT_TRANSLATE_NOOP("Messages", "Set program loops count");
inline constexpr const char* StepActionEndCycle = QT_TRANSLATE_NOOP("Messages", "End measurement cycle");
inline constexpr const char* StepActionAddOn = QT_TRANSLATE_NOOP("Messages", "Set addon type");
inline constexpr const char* StepActionElectrolyte = QT_TRANSLATE_NOOP("Messages", "Set backbround electrolyte");
inline constexpr const char* StepActionVisibility = QT_TRANSLATE_NOOP("Messages", "Hide unused controls");
inline constexpr const char* StepActionStatistics = QT_TRANSLATE_NOOP("Messages", "Add statistics");
inline constexpr const char* StepActionEquation = QT_TRANSLATE_NOOP("Messages", "Add custom equation");
inline constexpr const char* StepActionStartRecord = QT_TRANSLATE_NOOP("Messages", "Start record");
inline constexpr const char* StepActionControlSolution = QT_TRANSLATE_NOOP("Messages", "Record control solution");
inline constexpr const char* StepActionSimulation = QT_TRANSLATE_NOOP("Messages", "Simulation script flag");
inline constexpr const char* StepActionDummyData = QT_TRANSLATE_NOOP("Messages", "Add dummy data");
inline constexpr const char* StepActionParallel = QT_TRANSLATE_NOOP("Messages", "Number of parallel samples");
inline constexpr const char* StepActionActivation = QT_TRANSLATE_NOOP("Messages", "Activation cycle");
// Method scripts: the descriptions in the stage tree.
inline constexpr const char* StepUnknown = QT_TRANSLATE_NOOP("Messages", "?");
inline constexpr const char* StepNewStage = QT_TRANSLATE_NOOP("Messages", "New stage");
inline constexpr const char* StepSetActivePage = QT_TRANSLATE_NOOP("Messages", "Set active page = %d");
inline constexpr const char* StepConjunctionType = QT_TRANSLATE_NOOP("Messages", "Set conjunction type to %s");
inline constexpr const char* StepElectrodeType = QT_TRANSLATE_NOOP("Messages", "Set electrod type to %s");
inline constexpr const char* ElectrodeCustom = QT_TRANSLATE_NOOP("Messages", "Custom");
inline constexpr const char* ElectrodeCarbositall = QT_TRANSLATE_NOOP("Messages", "Carbositall");
inline constexpr const char* ElectrodeGold = QT_TRANSLATE_NOOP("Messages", "Gold");
inline constexpr const char* ElectrodePlatinum = QT_TRANSLATE_NOOP("Messages", "Platinum");
inline constexpr const char* ElectrodeSilver = QT_TRANSLATE_NOOP("Messages", "Silver");
inline constexpr const char* ElectrodeModifiedCarbon = QT_TRANSLATE_NOOP("Messages", "Modified Carbon");
inline constexpr const char* ElectrodeCarbon = QT_TRANSLATE_NOOP("Messages", "Carbon");
inline constexpr const char* StepBeginCycle = QT_TRANSLATE_NOOP("Messages", "Begin of measurement cycle");
inline constexpr const char* StepCalcMethod = QT_TRANSLATE_NOOP("Messages", "Calculation method: %s");
inline constexpr const char* StepCalcTable = QT_TRANSLATE_NOOP("Messages", "Calculations table: %s");
inline constexpr const char* StepOk = QT_TRANSLATE_NOOP("Messages", "OK");
inline constexpr const char* StepError = QT_TRANSLATE_NOOP("Messages", "Error");
inline constexpr const char* StepConcUnits = QT_TRANSLATE_NOOP("Messages", "Concentration dimentions: %s");
inline constexpr const char* StepPredefPeaks = QT_TRANSLATE_NOOP("Messages", "Predefined peaks");
inline constexpr const char* StepRecordProgram = QT_TRANSLATE_NOOP("Messages", "Record program %s");
inline constexpr const char* StepLoopsCount = QT_TRANSLATE_NOOP("Messages", "Loops count: %d");
inline constexpr const char* StepEndCycle = QT_TRANSLATE_NOOP("Messages", "End of measurement cycle");
inline constexpr const char* StepStirrerType = QT_TRANSLATE_NOOP("Messages", "Stirrer type: %s");
inline constexpr const char* StepElectrolyte = QT_TRANSLATE_NOOP("Messages", "Supporting electrolyte: %s");
inline constexpr const char* StepVisibility = QT_TRANSLATE_NOOP("Messages", "Controls visibility: %s");
inline constexpr const char* VisibilityShowAll = QT_TRANSLATE_NOOP("Messages", "Show all");
inline constexpr const char* VisibilityHideUnused = QT_TRANSLATE_NOOP("Messages", "Hide unused");
inline constexpr const char* VisibilityForbidChanges = QT_TRANSLATE_NOOP("Messages", "Forbid changes");
inline constexpr const char* StepStatistics = QT_TRANSLATE_NOOP("Messages", "Statistics");
inline constexpr const char* StepCustomEquation = QT_TRANSLATE_NOOP("Messages", "Custom equation");
inline constexpr const char* StepStartRecord = QT_TRANSLATE_NOOP("Messages", "Start record");
inline constexpr const char* ControlSolutionNotRequired =
    QT_TRANSLATE_NOOP("Messages", "Recording of control solution is NOT required");
inline constexpr const char* ControlSolutionRequired =
    QT_TRANSLATE_NOOP("Messages", "Recording of control solution is required");
inline constexpr const char* ControlSolutionOptional =
    QT_TRANSLATE_NOOP("Messages", "Recording of control solution is not obligatory");
inline constexpr const char* StepSimulation = QT_TRANSLATE_NOOP("Messages", "Simulation script");
inline constexpr const char* StepDummyData = QT_TRANSLATE_NOOP("Messages", "Data (%s)");
inline constexpr const char* StepParallelSamples = QT_TRANSLATE_NOOP("Messages", "Number of parallel samples: %d");
inline constexpr const char* StepActivation = QT_TRANSLATE_NOOP("Messages", "Activation(%g ml of %s)");
// Method script editor and the wizard's script interpreter.
inline constexpr const char* ScriptProgramFilter =
    QT_TRANSLATE_NOOP("Messages",
                      "All types of programs|*.prg;*car;*.vap|Single step program *.prg|*.prg|Multistep program "
                      "*.car|*.car|New multistep program *.vap|*.vap");
inline constexpr const char* DummyDataFilter = QT_TRANSLATE_NOOP("Messages", "*.dat;*.txt|*.dat;*.txt");
inline constexpr const char* DummyDataOddCount =
    QT_TRANSLATE_NOOP("Messages", "The data file holds an odd count of numbers: the last point has no y value.");
inline constexpr const char* DummyDataTooManyPoints =
    QT_TRANSLATE_NOOP("Messages", "The data file holds more than %s points.");
inline constexpr const char* EnterAnotherName = QT_TRANSLATE_NOOP("Messages", "Enter another name");
inline constexpr const char* VolumeAnalytePrepared = QT_TRANSLATE_NOOP("Messages", "Volume of analyte prepared, cm^3^");
inline constexpr const char* ParallelSampleCompleted =
    QT_TRANSLATE_NOOP("Messages", "Analysis of parallel sample (%d of %d) is completed.");
inline constexpr const char* MeasurementProgramInterrupted =
    QT_TRANSLATE_NOOP("Messages", "Measurement program interrupted!");
inline constexpr const char* MethodSettingsChanged = QT_TRANSLATE_NOOP(
    "Messages",
    "You have changed some of the method's settings. Do You want to save the procedure under the new name?");

// --- Reports ---------------------------------------------------------------
inline constexpr const char* ReportSample = QT_TRANSLATE_NOOP("Messages", "Sample %d");
inline constexpr const char* ReportElement = QT_TRANSLATE_NOOP("Messages", "Element");
inline constexpr const char* ReportComments = QT_TRANSLATE_NOOP("Messages", "Comments");
inline constexpr const char* ReportXi = QT_TRANSLATE_NOOP("Messages", "X_i_, %s/%s");
inline constexpr const char* ReportXmed = QT_TRANSLATE_NOOP("Messages", "X_med_, %s/%s");
inline constexpr const char* ReportR = QT_TRANSLATE_NOOP("Messages", "R, %s/%s");
inline constexpr const char* ReportDeltaPercent = QT_TRANSLATE_NOOP("Messages", "$д$, %");
inline constexpr const char* ReportDeltaAbsolute = QT_TRANSLATE_NOOP("Messages", "$Д$, %s/%s");
inline constexpr const char* ReportSpread = QT_TRANSLATE_NOOP("Messages", "X_max_-X_min_=%s ");
inline constexpr const char* ReportSpreadInCell = QT_TRANSLATE_NOOP("Messages", "X_max_-X_min_=%s (in cell) ");
inline constexpr const char* ReportCompare = QT_TRANSLATE_NOOP("Messages", "%s %s");
inline constexpr const char* ReportIncompatible =
    QT_TRANSLATE_NOOP("Messages", "Dimensions of report and statistics are incompatible");
inline constexpr const char* ReportEquationWithoutUnits = QT_TRANSLATE_NOOP(
    "Messages",
    "The result of this equation has no unit of concentration, so the report could not show it. Choose the units of "
    "its result in the equation editor first.");
inline constexpr const char* ReportUnitsOfAnotherKind = QT_TRANSLATE_NOOP(
    "Messages",
    "The result of this equation is in units of another kind (per volume or per mass) than the results of the "
    "report, so they could not be compared. Start a new report for it.");
inline constexpr const char* ReportCellUnknown = QT_TRANSLATE_NOOP("Messages", "Cell concentrations are unknown");
inline constexpr const char* ReportElementNotFound = QT_TRANSLATE_NOOP("Messages", "Element not found");
inline constexpr const char* ReportAboveMaximum =
    QT_TRANSLATE_NOOP("Messages", "X_med_=%s > %s - maximum detectable concentration");
inline constexpr const char* ReportBelowLimit =
    QT_TRANSLATE_NOOP("Messages", "X_med_=%s < %s - limit of determination");
inline constexpr const char* ReportInCell = QT_TRANSLATE_NOOP("Messages", " (in cell)");
inline constexpr const char* ReportProperty = QT_TRANSLATE_NOOP("Messages", "Property");
inline constexpr const char* ReportAliquotVolume = QT_TRANSLATE_NOOP("Messages", "Aliquot volume, cm^3^");
inline constexpr const char* ReportCellVolume = QT_TRANSLATE_NOOP("Messages", "Cell volume, cm^3^");
inline constexpr const char* ReportDilutionFactor = QT_TRANSLATE_NOOP("Messages", "Dilution factor");
inline constexpr const char* ReportSampleMass = QT_TRANSLATE_NOOP("Messages", "Sample mass, g");
inline constexpr const char* ReportPreparedVolume = QT_TRANSLATE_NOOP("Messages", "Prepared volume, cm^3^");
inline constexpr const char* ReportBlockOutOfPlace =
    QT_TRANSLATE_NOOP("Messages", "The report is damaged: block %s comes before its experiment or element");
inline constexpr const char* ReportTooManyVolumes =
    QT_TRANSLATE_NOOP("Messages", "The report is damaged: %s volumes where at most 5 are kept");
inline constexpr const char* ReportTooMany = QT_TRANSLATE_NOOP("Messages", "The report is damaged: more than %s %s");
inline constexpr const char* ReportTableTooLarge =
    QT_TRANSLATE_NOOP("Messages", "The report is damaged: %s elements by %s experiments do not fit in its %s bytes");
inline constexpr const char* ReportCountMismatch =
    QT_TRANSLATE_NOOP("Messages", "The report is damaged: block %s counts %s values in %s bytes");
// Printed report.
inline constexpr const char* ReportDate = QT_TRANSLATE_NOOP("Messages", "Report date: %s");
inline constexpr const char* ReportFileName = QT_TRANSLATE_NOOP("Messages", "File name: %s");
inline constexpr const char* ReportRecordParameters = QT_TRANSLATE_NOOP("Messages", "Record parameters");
inline constexpr const char* ReportDataTable = QT_TRANSLATE_NOOP("Messages", "Data table");
inline constexpr const char* ReportCalculationChart = QT_TRANSLATE_NOOP("Messages", "Calculation chart");
inline constexpr const char* ReportCalculationsTable = QT_TRANSLATE_NOOP("Messages", "Calculations table");
inline constexpr const char* ReportResultsTable = QT_TRANSLATE_NOOP("Messages", "Results table");
inline constexpr const char* ReportNotes = QT_TRANSLATE_NOOP("Messages", "Notes");
inline constexpr const char* ReportDatabaseNo = QT_TRANSLATE_NOOP("Messages", "Database #");
inline constexpr const char* ReportMeasurementType = QT_TRANSLATE_NOOP("Messages", "Measurment type");
inline constexpr const char* ReportNote1 = QT_TRANSLATE_NOOP(
    "Messages",
    "X_i_ - ion concentration in the sample for a single determination (with account for dilution, or mass "
    "concentration).");
inline constexpr const char* ReportNote2 =
    QT_TRANSLATE_NOOP("Messages", "X_med_ - medium ion concentration in the sample.");
inline constexpr const char* ReportNote3 =
    QT_TRANSLATE_NOOP("Messages", "R - absolute difference between parallel determination results.");
inline constexpr const char* ReportNote4 = QT_TRANSLATE_NOOP("Messages", "$д$ - percent error.");
inline constexpr const char* ReportNote5 =
    QT_TRANSLATE_NOOP("Messages", "$Д$ - absolute error of the measurement results.");
inline constexpr const char* ReportNote6 =
    QT_TRANSLATE_NOOP("Messages", "Dash in cell means that element concentration is lower than the detection limit.");
inline constexpr const char* ReportConcentrationAxis = QT_TRANSLATE_NOOP("Messages", "Concentration, [%s/%s]");

// --- Start panel -----------------------------------------------------------

inline constexpr const char* FirstRecordingQuery = QT_TRANSLATE_NOOP(
    "Messages",
    "A first voltammogram can be recorded without an analyzer, from the built-in analyzer emulator. The emulator "
    "SIMULATES the instrument: its curves are simulated data, not measurements, and are marked \"[EMULATOR - "
    "simulated]\".\n\nThe port setting (Settings, \"Ports\") will name the emulator instead of \"%s\"; choose "
    "the analyzer's port there again to measure.\n\nRecord a simulated voltammogram now?");
inline constexpr const char* FirstRecordingProgramMissing = QT_TRANSLATE_NOOP(
    "Messages", "The example program \"%s\" cannot be read (%s). Set up a program in \"Record parameters\" instead.");
inline constexpr const char* ExampleCopyFailed =
    QT_TRANSLATE_NOOP("Messages", "The example \"%s\" cannot be copied to \"%s\".");

// --- Program update and assembly assistant ----------------------------------

// Program update.
inline constexpr const char* UpdateDeleteInstaller =
    QT_TRANSLATE_NOOP("Messages", "Would you like to delete the installer from the temporary folder (%s)?");
inline constexpr const char* UpdateChecking = QT_TRANSLATE_NOOP("Messages", "Checking for updates...");
inline constexpr const char* UpdateConnecting = QT_TRANSLATE_NOOP("Messages", "Connecting...");
inline constexpr const char* UpdateBytesOf = QT_TRANSLATE_NOOP("Messages", "%s of %s bytes");
inline constexpr const char* UpdateDownloadingInfo =
    QT_TRANSLATE_NOOP("Messages", "Downloading upgrade information...");
inline constexpr const char* UpdateSnapshotOffer = QT_TRANSLATE_NOOP(
    "Messages",
    "A new snapshot version (%s) is available! Not recomended for critical measurements!\nThe size of update: %s "
    "KB.\n\nClick \"Next\" to download.");
inline constexpr const char* UpdateReleaseOffer = QT_TRANSLATE_NOOP(
    "Messages", "A new version (%s) is available!\nThe size of update: %s KB.\n\nClick \"Next\" to download.");
inline constexpr const char* UpdateOwnIsNewer =
    QT_TRANSLATE_NOOP("Messages", "Your version is newer than on the Internet.");
inline constexpr const char* UpdateUpToDate = QT_TRANSLATE_NOOP("Messages", "Your program is up-to-date.");
inline constexpr const char* UpdateFailed =
    QT_TRANSLATE_NOOP("Messages",
                      "Live-update couldn't retrieve the catalog file of available updates. Please check that your "
                      "connection to the Internet in functioning correctly and retry.");
// The failure text above with what went wrong below it.
inline constexpr const char* UpdateFailedBecause =
    QT_TRANSLATE_NOOP("Messages",
                      "Live-update couldn't retrieve the catalog file of available updates. Please check that your "
                      "connection to the Internet in functioning correctly and retry.\n\n%s");
inline constexpr const char* UpdateDownloading = QT_TRANSLATE_NOOP("Messages", "Downloading...");
inline constexpr const char* UpdateDownloadComplete = QT_TRANSLATE_NOOP(
    "Messages", "Download complete. Installer saved to %s\n\nClick \"Next\" to install. Program will be terminated");
inline constexpr const char* UpdateNoCatalogueAddress = QT_TRANSLATE_NOOP(
    "Messages",
    "No address of the update catalogue is set (\"CatalogueUrl\" in the section \"Install\" of Options.ini).");
inline constexpr const char* UpdateCatalogueTooLarge =
    QT_TRANSLATE_NOOP("Messages", "The update catalogue is larger than %s bytes.");
inline constexpr const char* UpdateCatalogueShort =
    QT_TRANSLATE_NOOP("Messages", "The update catalogue has %s lines; it needs at least 3.");
inline constexpr const char* UpdateCatalogueLine =
    QT_TRANSLATE_NOOP("Messages", "Line %s of the update catalogue is not valid: %s");
inline constexpr const char* UpdateBadVersion =
    QT_TRANSLATE_NOOP("Messages", "a version of the form yyyy.mm.dd is expected");
inline constexpr const char* UpdateBadSize =
    QT_TRANSLATE_NOOP("Messages", "a size in bytes between 1 and %s is expected");
inline constexpr const char* UpdateBadAddress = QT_TRANSLATE_NOOP(
    "Messages", "an https:// address (http:// only on this computer) of at most %s characters is expected");
inline constexpr const char* UpdateBadChecksum =
    QT_TRANSLATE_NOOP("Messages", "a SHA-256 checksum of 64 hexadecimal digits is expected");
inline constexpr const char* UpdateNoChecksum = QT_TRANSLATE_NOOP(
    "Messages", "The update catalogue gives no SHA-256 checksum for the offered installer, so it cannot be verified.");
inline constexpr const char* UpdateChecksumMismatch = QT_TRANSLATE_NOOP(
    "Messages",
    "The downloaded installer does not match the SHA-256 checksum of the update catalogue. It was not saved and will "
    "not be opened.");
inline constexpr const char* UpdateInstallerChanged = QT_TRANSLATE_NOOP(
    "Messages",
    "The installer \"%s\" no longer matches the SHA-256 checksum of the update catalogue. It will not be opened.");
inline constexpr const char* UpdateDownloadTooLarge =
    QT_TRANSLATE_NOOP("Messages", "The server sends more than the %s bytes it announced.");
inline constexpr const char* UpdateBadContentLength =
    QT_TRANSLATE_NOOP("Messages", "The server's content length \"%s\" is not a number.");
inline constexpr const char* UpdateEmptyBody = QT_TRANSLATE_NOOP("Messages", "The server sent nothing.");
inline constexpr const char* UpdateCannotSave =
    QT_TRANSLATE_NOOP("Messages", "The installer cannot be saved as \"%s\": %s");
inline constexpr const char* UpdateCannotOpenInstaller =
    QT_TRANSLATE_NOOP("Messages", "The installer \"%s\" cannot be opened.");
inline constexpr const char* UpdateNotSigned = QT_TRANSLATE_NOOP(
    "Messages", "The update catalogue is not signed, so nothing in it can be trusted. No update is offered.");
inline constexpr const char* UpdateBadSignatureFile = QT_TRANSLATE_NOOP(
    "Messages", "The signature of the update catalogue is damaged: one line of base64 holding 64 bytes is expected.");
inline constexpr const char* UpdateSignatureInvalid = QT_TRANSLATE_NOOP(
    "Messages",
    "The signature of the update catalogue does not match: the catalogue was changed or signed with another key. "
    "No update is offered.");
inline constexpr const char* UpdateBadPublicKey =
    QT_TRANSLATE_NOOP("Messages", "The public key is not an Ed25519 public key in PEM form.");
inline constexpr const char* UpdateInsecureAddress = QT_TRANSLATE_NOOP(
    "Messages", "The address \"%s\" is refused: updates travel only over https:// (http:// only on this computer).");
inline constexpr const char* UpdateSizeMismatch = QT_TRANSLATE_NOOP(
    "Messages", "The installer is larger than the %s bytes the update catalogue names. It was not saved.");

// Assembly assistant.
inline constexpr const char* AssemblyConnectionSetup = QT_TRANSLATE_NOOP("Messages", "Connection setup...");
inline constexpr const char* AssemblyAnimationError = QT_TRANSLATE_NOOP("Messages", "Error while loading animation!");

// The assembly assistant's instructions, one a step.
inline constexpr const char* AssemblyAnalyzerBack = QT_TRANSLATE_NOOP(
    "Messages",
    "Connect RDE/Autosampler control port (Ctrl) and PC connection port (RS232) on the back side of the Analyzer.");
inline constexpr const char* AssemblyAnalyzerFront = QT_TRANSLATE_NOOP(
    "Messages",
    "Connect Working, Reference and Auxiliary electrodes to their connectors on the front side of the Analyzer.");
inline constexpr const char* AssemblyAnalyzerPower =
    QT_TRANSLATE_NOOP("Messages", "Connect Power supply (PWR) and turn on the Analyzer by switching the tumbler up.");
inline constexpr const char* AssemblyRdeScrew = QT_TRANSLATE_NOOP("Messages", "Screw the RDE in the holder.");
inline constexpr const char* AssemblyWorkingTip =
    QT_TRANSLATE_NOOP("Messages", "Screw the working tip on the electrode.");
inline constexpr const char* AssemblyRdePlatform =
    QT_TRANSLATE_NOOP("Messages", "Install the platform and the electrodes holder on the stand.");
inline constexpr const char* AssemblyRdeElectrodes =
    QT_TRANSLATE_NOOP("Messages", "Install the Reference and Auxiliary electrodes and plug their connectors.");
inline constexpr const char* AssemblyRdeCell = QT_TRANSLATE_NOOP(
    "Messages",
    "Place the electrochemical cell with the solution on the platform under the electrodes and put the holder down.");
inline constexpr const char* AssemblyStirrerClips =
    QT_TRANSLATE_NOOP("Messages", "Install clips into the electrodes holders and place it on the stand.");
inline constexpr const char* AssemblyStirrerPower = QT_TRANSLATE_NOOP(
    "Messages", "Place stirrer on the stand, connect Power supply and turn it on by switching the tumbler.");
inline constexpr const char* AssemblyStirrerWorking = QT_TRANSLATE_NOOP(
    "Messages", "Screw the working tip on the electrode. Install the working electrode in the holder.");
inline constexpr const char* AssemblyStirrerElectrodes =
    QT_TRANSLATE_NOOP("Messages", "Install the Reference and Auxiliary electrodes.");
inline constexpr const char* AssemblyStirrerCell = QT_TRANSLATE_NOOP(
    "Messages",
    "Place the electrochemical cell with the solution on the stirrer. Put the stir bar and pull the holder down.");
inline constexpr const char* AssemblySamplerPower = QT_TRANSLATE_NOOP(
    "Messages",
    "Connect Autosampler control port (Ctrl) and Power supply (PWR). Turn on the Autosampler by switching the tumbler "
    "up.");
inline constexpr const char* AssemblySamplerElectrode =
    QT_TRANSLATE_NOOP("Messages", "Install the Combined electrode in the holder.");
inline constexpr const char* AssemblySamplerJack = QT_TRANSLATE_NOOP(
    "Messages", "Connect the Combined electrode connector to the jack on the front side of the Analyzer.");

// --- Measurement wizard: quality checks ------------------------------------
// Verdicts on a recorded pass, shown beside the wizard's chart and written
// into the report's notes. The first argument names the recording.
inline constexpr const char* GateAllWell =
    QT_TRANSLATE_NOOP("Messages", "%s: every peak was found, and nothing here needs your attention.");
inline constexpr const char* GatePeakMissing = QT_TRANSLATE_NOOP(
    "Messages", "%s: the peak %s was not found between %s and %s mV. Check the electrode and the solution.");
inline constexpr const char* GatePeakOverloaded = QT_TRANSLATE_NOOP(
    "Messages",
    "%s: the peak %s is overloaded: the current reaches %s µA, the limit of the current range. Record it again with "
    "a larger current range or a shorter electrolysis.");
inline constexpr const char* GatePeakFlatTop = QT_TRANSLATE_NOOP(
    "Messages",
    "%s: the top of the peak %s is cut off flat at %s µA. Record it again with a larger current range or a shorter "
    "electrolysis.");
inline constexpr const char* GateSpreadStatistics = QT_TRANSLATE_NOOP(
    "Messages",
    "%s: the replicates of the peak %s differ by %s%% of their mean; the statistics \"%s\" allow %s%%. Consider "
    "recording the pass again.");
inline constexpr const char* GateSpreadSettings = QT_TRANSLATE_NOOP(
    "Messages",
    "%s: the replicates of the peak %s differ by %s%% of their mean; at most %s%% is expected. Consider recording the "
    "pass again.");
inline constexpr const char* GateAdditionNoRise = QT_TRANSLATE_NOOP(
    "Messages", "%s: the addition did not raise the peak %s. Check the standard solution and the addition.");
inline constexpr const char* GateAdditionSmall = QT_TRANSLATE_NOOP(
    "Messages",
    "%s: the addition raised the peak %s by only %s%% of the sample's peak (at least %s%% is advisable). Use a larger "
    "addition, about %s ml.");
inline constexpr const char* GateAdditionSmallNoVolume = QT_TRANSLATE_NOOP(
    "Messages",
    "%s: the addition raised the peak %s by only %s%% of the sample's peak (at least %s%% is advisable). Use a larger "
    "addition.");
inline constexpr const char* GateLowR2 = QT_TRANSLATE_NOOP(
    "Messages",
    "%s: the standard additions line of the peak %s is not straight enough: R² = %s, less than %s. Check the "
    "additions or record them again.");

// --- Help ------------------------------------------------------------------
inline constexpr const char* HelpMapBadLine =
    QT_TRANSLATE_NOOP("Messages", "The help context map is damaged: line %s is not \"number page#anchor\".");
inline constexpr const char* HelpMapDuplicate =
    QT_TRANSLATE_NOOP("Messages", "The help context map is damaged: context %s is listed twice (line %s).");
inline constexpr const char* HelpMapTooLong =
    QT_TRANSLATE_NOOP("Messages", "The help context map is damaged: it has more than %s lines.");
inline constexpr const char* HelpMapTooLarge =
    QT_TRANSLATE_NOOP("Messages", "The help context map is damaged: it is larger than %s bytes.");
inline constexpr const char* HelpNotFound =
    QT_TRANSLATE_NOOP("Messages", "The help pages were not found beside the program or in \"%s\".");

}  // namespace velmora::msg
