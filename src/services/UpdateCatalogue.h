#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// The update catalogue that the publisher keeps beside the installers: a
// plain text file whose lines, counted from 0, are
//   0  the version of the current release (its first ten characters count)
//   1  the size of the installer in bytes
//   2  the full address of the release installer
//   3  the version of the current snapshot (only when there are more than
//      three lines)
//   4  the size of the snapshot installer in bytes (when it is one; line 1
//      serves otherwise)
//   5  the full address of the snapshot installer
//   6  the SHA-256 checksum of the release installer (64 hex digits)
//   7  the SHA-256 checksum of the snapshot installer
// Catalogues without the checksum lines still read; an installer without a
// checksum is offered but never downloaded. Every address is https:// (or
// http:// to this computer). The catalogue is read only once its signature
// holds (UpdateSignature).
struct UpdateCatalogue {
  static constexpr std::size_t MaxBytes = 64 * 1024;
  static constexpr std::size_t MaxAddressLength = 2048;
  static constexpr std::int64_t MaxInstallerSize = std::int64_t{1} << 31;
  static constexpr std::size_t VersionLength = 10;

  std::string releaseVersion;
  std::int64_t installerSize = 0;
  std::string releaseAddress;
  bool hasSnapshot = false;
  std::string snapshotVersion;  // empty: no snapshot is published
  std::string snapshotAddress;
  std::int64_t snapshotSize = 0;  // line 4, else the installer size of line 1
  std::string releaseSha256;      // lower-case hex, or empty
  std::string snapshotSha256;

  // Reads a catalogue; throws EFormatError naming the line at fault for a
  // catalogue that is too large, too short or carries a malformed value.
  static UpdateCatalogue Parse(std::string_view text);

  // The file name under which an installer is saved: the part of the
  // release address after its last "/" (also for a snapshot); empty when
  // that part is empty or could leave the temporary folder.
  std::string InstallerFileName() const;

  // The most bytes the offered installer may have.
  std::int64_t DownloadSize(bool snapshot) const { return snapshot ? snapshotSize : installerSize; }

  // An address updates may travel by: https://, or http:// to the loopback
  // interface (127.0.0.0/8, "localhost", [::1]) where a test server stands
  // in for the publisher.
  static bool IsAllowedAddress(std::string_view address);
  // A well-formed version: ten characters "dddd.dd.dd".
  static bool IsVersion(std::string_view text);
  // 64 hexadecimal digits, either case.
  static bool IsSha256(std::string_view text);
};

// What a check finds: nothing newer, a newer release or a newer snapshot.
enum class UpdateOffer { None, Release, Snapshot };

// Versions compare as texts, character by character. A newer snapshot is
// considered only with `snapshots` on, and then wins over a newer release.
// Nothing is offered that is not newer than `ownVersion`, nor when the own
// version is not well-formed (nothing could be judged newer).
UpdateOffer FindUpdate(const UpdateCatalogue& catalogue, std::string_view ownVersion, bool snapshots);

// The thousands-separated form of a count ("1,234,567" with ","); the
// separator is UTF-8 (a no-break space in some languages).
std::string FormatThousands(std::int64_t value, std::string_view separator);

}  // namespace velmora
