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
inline constexpr const char* DataTruncated =
    QT_TRANSLATE_NOOP("Messages", "The data is damaged or truncated: %s at offset %s needs %s bytes, but only %s remain.");
inline constexpr const char* DataCountTooLarge =
    QT_TRANSLATE_NOOP("Messages", "The data is damaged: %s of %s does not fit in the %s bytes that remain.");
inline constexpr const char* ChunkSizeInvalid =
    QT_TRANSLATE_NOOP("Messages", "The data is damaged: block %s at offset %s has the size %s, but only %s bytes remain.");
inline constexpr const char* ChunkHeaderTruncated =
    QT_TRANSLATE_NOOP("Messages", "The data is damaged: %s stray bytes at offset %s do not form a block.");
inline constexpr const char* NestingTooDeep = QT_TRANSLATE_NOOP("Messages", "The data is damaged: the nodes are nested deeper than %s levels.");

// --- Start-up --------------------------------------------------------------
inline constexpr const char* SplashStarting = QT_TRANSLATE_NOOP("Messages", "Starting");
inline constexpr const char* SplashLoadingForms = QT_TRANSLATE_NOOP("Messages", "Loading forms...");
inline constexpr const char* SplashLoadingParameters = QT_TRANSLATE_NOOP("Messages", "Loading parameters...");
inline constexpr const char* SplashLoadingMethods = QT_TRANSLATE_NOOP("Messages", "Loading methods...");
inline constexpr const char* SplashLoadingFile = QT_TRANSLATE_NOOP("Messages", "Loading file...");

// --- Document --------------------------------------------------------------

// --- Analyzer link and acquisition -----------------------------------------

// --- Quantitation ----------------------------------------------------------

// --- Methods, scripts and formulas -----------------------------------------

// --- Reports ---------------------------------------------------------------

}  // namespace velmora::msg
