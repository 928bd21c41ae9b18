#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "FormatError.h"
#include "RtfText.h"
#include "UpdateCatalogue.h"

namespace velmora {
namespace {

const std::string kSha(64, 'a');
const std::string kShaUpper(64, 'B');

std::string catalogue(const std::string& release, const std::string& snapshot = {}) {
  std::string text = release + "\n24117248\nhttps://updates.example.org/va/velmora-va_" + release + "_amd64.deb\n";
  if (!snapshot.empty())
    text += snapshot + "\n25000000\nhttps://updates.example.org/va/velmora-va_" + snapshot + "_amd64.deb\n" + kSha +
            "\n" + kShaUpper + "\n";
  return text;
}

std::string parseError(const std::string& text) {
  try {
    UpdateCatalogue::Parse(text);
  } catch (const EFormatError& e) {
    return e.what();
  }
  return "no error";
}

TEST(UpdateCatalogueTest, ReadsTheLinesOfAFullCatalogue) {
  // A catalogue saved on Windows, with a byte order mark and build notes after the version.
  const UpdateCatalogue c = UpdateCatalogue::Parse(
      "\xEF\xBB\xBF"
      "2026.12.09 (build 412)\r\n24117248\r\nhttps://u.example.org/va/velmora-va_2026.12.09_amd64.deb\r\n"
      "2026.12.20\r\n25000000\r\nhttps://u.example.org/va/snap/velmora-va_2026.12.20_amd64.deb\r\n" +
      kSha + "\r\n" + kShaUpper + "\r\n");
  EXPECT_EQ(c.releaseVersion, "2026.12.09");
  EXPECT_EQ(c.installerSize, 24117248);
  EXPECT_EQ(c.releaseAddress, "https://u.example.org/va/velmora-va_2026.12.09_amd64.deb");
  EXPECT_TRUE(c.hasSnapshot);
  EXPECT_EQ(c.snapshotVersion, "2026.12.20");
  EXPECT_EQ(c.snapshotAddress, "https://u.example.org/va/snap/velmora-va_2026.12.20_amd64.deb");
  EXPECT_EQ(c.releaseSha256, kSha);
  EXPECT_EQ(c.snapshotSha256, std::string(64, 'b'));
  // Both installers are saved under the release's file name.
  EXPECT_EQ(c.InstallerFileName(), "velmora-va_2026.12.09_amd64.deb");
}

TEST(UpdateCatalogueTest, ComparesVersionsAsTexts) {
  const std::string own = "2026.12.09";
  // Three lines: only releases are offered, whatever the snapshot option says.
  const UpdateCatalogue releaseOnly = UpdateCatalogue::Parse(catalogue("2027.01.15"));
  EXPECT_FALSE(releaseOnly.hasSnapshot);
  EXPECT_EQ(FindUpdate(releaseOnly, own, true), UpdateOffer::Release);
  EXPECT_EQ(FindUpdate(UpdateCatalogue::Parse(catalogue(own)), own, true), UpdateOffer::None);
  EXPECT_EQ(FindUpdate(UpdateCatalogue::Parse(catalogue("2026.11.30")), own, false), UpdateOffer::None);

  // A newer snapshot wins over a newer release, but only with snapshots on.
  const UpdateCatalogue both = UpdateCatalogue::Parse(catalogue("2026.12.15", "2026.12.20"));
  EXPECT_EQ(FindUpdate(both, own, true), UpdateOffer::Snapshot);
  EXPECT_EQ(FindUpdate(both, own, false), UpdateOffer::Release);
  const UpdateCatalogue oldSnapshot = UpdateCatalogue::Parse(catalogue("2026.12.15", "2026.10.01"));
  EXPECT_EQ(FindUpdate(oldSnapshot, own, true), UpdateOffer::Release);
  const UpdateCatalogue snapshotOnly = UpdateCatalogue::Parse(catalogue(own, "2026.12.10"));
  EXPECT_EQ(FindUpdate(snapshotOnly, own, false), UpdateOffer::None);
  EXPECT_EQ(FindUpdate(snapshotOnly, own, true), UpdateOffer::Snapshot);

  // An empty line 3 publishes no snapshot.
  const UpdateCatalogue noSnapshot = UpdateCatalogue::Parse(catalogue("2026.12.01") + "\n\n\n");
  EXPECT_TRUE(noSnapshot.hasSnapshot);
  EXPECT_EQ(FindUpdate(noSnapshot, own, true), UpdateOffer::None);
}

TEST(UpdateCatalogueTest, RefusesDamagedAndHostileCatalogues) {
  EXPECT_NE(parseError(std::string(UpdateCatalogue::MaxBytes + 1, '\n')).find("larger than"), std::string::npos);
  EXPECT_NE(parseError("").find("0 lines"), std::string::npos);
  EXPECT_NE(parseError("<html><body>Not found</body></html>").find("1 lines"), std::string::npos);
  EXPECT_NE(parseError("2026.12.09\n100\n").find("2 lines"), std::string::npos);

  const std::string address = "https://u.example.org/va/velmora-va.deb";
  // Line numbers in the messages count from 1.
  for (const std::string version : {"<html>", "2026-12-09", "2026.12.0", "zzzz.zz.zz", "20261209xx"})
    EXPECT_NE(parseError(version + "\n100\n" + address).find("Line 1 "), std::string::npos) << version;
  for (const std::string size :
       {"", "abc", "-5", "0", "12 MB", "99999999999999999999999", "4294967296", "1e6", "0x100"})
    EXPECT_NE(parseError("2026.12.09\n" + size + "\n" + address).find("Line 2 "), std::string::npos) << size;
  const std::string longAddress = "https://u.example.org/" + std::string(UpdateCatalogue::MaxAddressLength, 'a');
  for (const std::string& bad : {std::string("ftp://u.example.org/a.deb"), std::string("file:///etc/passwd"),
                                 std::string("https://u.example.org/a b.deb"), longAddress,
                                 std::string("https://u.example.org/va/"), std::string("https://u.example.org/..")})
    EXPECT_NE(parseError("2026.12.09\n100\n" + bad).find("Line 3 "), std::string::npos) << bad;

  // A snapshot version without its address, a damaged snapshot version, a bad checksum.
  EXPECT_NE(parseError("2026.12.09\n100\n" + address + "\n2026.12.20\n100").find("Line 6 "), std::string::npos);
  EXPECT_NE(parseError("2026.12.09\n100\n" + address + "\nsnapshot\n\n" + address).find("Line 4 "), std::string::npos);
  EXPECT_NE(parseError("2026.12.09\n100\n" + address + "\n\n\n\nnot-a-checksum").find("Line 7 "), std::string::npos);
  EXPECT_NE(parseError("2026.12.09\n100\n" + address + "\n\n\n\n\n" + std::string(63, 'f')).find("Line 8 "),
            std::string::npos);
  // Many lines after the eight that count are read past, not kept.
  EXPECT_NO_THROW(UpdateCatalogue::Parse(catalogue("2026.12.09") + std::string(60000, '\n')));
}

TEST(UpdateCatalogueTest, UpdatesTravelOverHttpsOrToThisComputerAlone) {
  for (const char* good : {"https://u.example.org/va/a.deb", "http://127.0.0.1:8080/va/a.deb", "http://localhost/a.deb",
                           "http://127.1.2.3/a.deb", "http://[::1]:9000/a.deb", "http://127.0.0.1"})
    EXPECT_TRUE(UpdateCatalogue::IsAllowedAddress(good)) << good;
  for (const char* bad :
       {"http://u.example.org/va/a.deb", "http://127.0.0.1.example.org/a.deb", "http://127.0.0.1@evil.org/a.deb",
        "http://evil.org#@127.0.0.1/", "http://128.0.0.1/a.deb", "http://127.0.0/a.deb", "http://127.0.0.256/",
        "http://localhost.evil.org/", "http://[::2]/a.deb", "HTTP://127.0.0.1/", "https://", "ftp://127.0.0.1/a",
        "file:///tmp/a.deb", ""})
    EXPECT_FALSE(UpdateCatalogue::IsAllowedAddress(bad)) << bad;
  // A plain http installer address on the network is refused where it stands.
  EXPECT_NE(parseError("2027.01.15\n100\nhttp://u.example.org/va/a.deb\n").find("Line 3 "), std::string::npos);
  EXPECT_NE(parseError("2027.01.15\n100\nhttps://u.example.org/a.deb\n2027.02.01\n\nhttp://u.example.org/s.deb")
                .find("Line 6 "),
            std::string::npos);
}

TEST(UpdateCatalogueTest, NothingOlderOrEqualIsEverOffered) {
  // An old signed catalogue replayed to a newer program offers nothing,
  // neither its release nor its snapshot.
  const UpdateCatalogue old = UpdateCatalogue::Parse(catalogue("2026.10.01", "2026.11.01"));
  for (bool snapshots : {false, true}) {
    EXPECT_EQ(FindUpdate(old, "2026.12.09", snapshots), UpdateOffer::None);
    EXPECT_EQ(FindUpdate(old, "2026.11.01", snapshots), UpdateOffer::None);
  }
  EXPECT_EQ(FindUpdate(old, "2026.10.15", true), UpdateOffer::Snapshot);
  // A program that cannot tell its own version takes nothing for newer.
  for (const char* own : {"", "unknown", "2026-12-09"}) EXPECT_EQ(FindUpdate(old, own, true), UpdateOffer::None) << own;
}

TEST(UpdateCatalogueTest, EachInstallerIsCappedAtTheSizeTheCatalogueNames) {
  const UpdateCatalogue both = UpdateCatalogue::Parse(catalogue("2026.12.15", "2026.12.20"));
  EXPECT_EQ(both.DownloadSize(false), 24117248);
  EXPECT_EQ(both.DownloadSize(true), 25000000);
  // Without a size of its own on line 5, a snapshot is held to line 2's.
  const UpdateCatalogue noOwnSize = UpdateCatalogue::Parse(
      "2026.12.15\n1000\nhttps://u.example.org/a.deb\n2026.12.20\nabout 2 MB\nhttps://u.example.org/s.deb\n");
  EXPECT_EQ(noOwnSize.DownloadSize(true), 1000);
}

TEST(UpdateCatalogueTest, InstallerFileNameDropsQueryAndRefusesFolders) {
  UpdateCatalogue c;
  c.releaseAddress = "https://u.example.org/va/velmora-va_2026.12.09_amd64.deb?token=1#x";
  EXPECT_EQ(c.InstallerFileName(), "velmora-va_2026.12.09_amd64.deb");
  c.releaseAddress = "https://u.example.org/va/..%2f..";
  EXPECT_EQ(c.InstallerFileName(), "..%2f..");
  c.releaseAddress = "https://u.example.org/va/a\\b.deb";
  EXPECT_EQ(c.InstallerFileName(), "");
}

TEST(UpdateCatalogueTest, FormatsThousands) {
  EXPECT_EQ(FormatThousands(0, ","), "0");
  EXPECT_EQ(FormatThousands(999, ","), "999");
  EXPECT_EQ(FormatThousands(1000, ","), "1,000");
  EXPECT_EQ(FormatThousands(24117248, ","), "24,117,248");
  EXPECT_EQ(FormatThousands(1234567, "\xC2\xA0"),
            "1\xC2\xA0"
            "234\xC2\xA0"
            "567");
  EXPECT_EQ(FormatThousands(-1025, ","), "-1,025");
  EXPECT_EQ(FormatThousands(std::numeric_limits<std::int64_t>::min(), ","), "-9,223,372,036,854,775,808");
}

TEST(RtfTextTest, ReadsTheTextOfReleaseNotes) {
  const std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fnil Arial;}{\\f1 Courier;}}"
      "{\\colortbl ;\\red255\\green0\\blue0;}{\\*\\generator Writer 6.1;}"
      "\\pard\\b Version 2026.12.20\\b0\\par\n"
      "\\bullet\\tab Faster peak search\\par\n"
      "\\'cd\\'ee\\'e2\\'ee\\'e5 {\\i \\u1074?\\u1077?\\u1088?\\u1089?\\u1080?\\u1103?}\\line "
      "Braces \\{ and \\} and a backslash \\\\ stay.}";
  EXPECT_EQ(RtfText::ToPlainText(rtf),
            "Version 2026.12.20\n\xE2\x80\xA2\tFaster peak search\n"
            "\xD0\x9D\xD0\xBE\xD0\xB2\xD0\xBE\xD0\xB5 "
            "\xD0\xB2\xD0\xB5\xD1\x80\xD1\x81\xD0\xB8\xD1\x8F\n"
            "Braces { and } and a backslash \\ stay.");
  // Text that is no RTF stays as it is.
  EXPECT_EQ(RtfText::ToPlainText("Plain notes\nsecond line"), "Plain notes\nsecond line");
}

TEST(RtfTextTest, SurvivesDamagedDocuments) {
  // Unbalanced braces, cut control words and escapes, huge numbers.
  for (const std::string& bad :
       {std::string("{\\rtf1 }}}}} text {{"), std::string("{\\rtf1 \\"), std::string("{\\rtf1 \\'4"),
        std::string("{\\rtf1 \\u99999999999999 x"), std::string("{\\rtf1 \\u-1? \\uc99999 \\u65? y"),
        std::string("{\\rtf1 \\") + std::string(100, 'a') + "1234567890123 z"})
    EXPECT_NO_THROW(RtfText::ToPlainText(bad)) << bad;
  EXPECT_EQ(RtfText::ToPlainText("{\\rtf1 \\u55357?\\u-10179? ok}"), "?? ok");
  // Nesting beyond the bound is an error, not a deep stack.
  const std::string deep = "{\\rtf1 " + std::string(RtfText::MaxDepth + 5, '{') + "x";
  EXPECT_THROW(RtfText::ToPlainText(deep), EFormatError);
  EXPECT_THROW(RtfText::ToPlainText(std::string(RtfText::MaxBytes + 1, ' ')), EFormatError);
}

}  // namespace
}  // namespace velmora
