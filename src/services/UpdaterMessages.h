#pragma once

// The catalogue's texts of the program update and the assembly assistant,
// kept beside Messages.h (same "Messages" translation context; they may be
// folded into it).

#include "Messages.h"

namespace velmora::msg {

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
inline constexpr const char* UpdateBadAddress =
    QT_TRANSLATE_NOOP("Messages", "an http:// or https:// address of at most %s characters is expected");
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

}  // namespace velmora::msg
