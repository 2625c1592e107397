#include <gtest/gtest.h>

#include "update/UpdateInformation.h"
#include "update/UpdateVersion.h"

namespace korvane::update {
namespace {

TEST(ReleaseNumbers, CompareNumberByNumber) {
  struct Case {
    const char* offered;
    const char* offeredDate;
    bool newer;
  };
  // Against this program's "0.01.00" of 06/24/2009.
  const Case cases[] = {
      {"0.02.00", "2027-01-15", true},  {"0.01.01", "2009-06-01", true},
      {"0.10.00", "2010-01-01", true},  {"1", "2001-01-01", true},
      {"0.01.00", "2009-06-24", false}, {"0.1", "2009-06-24", false},
      {"0.01.00", "2009-06-25", true},  {"0.00.99", "2030-01-01", false},
      {"0.9.00", "2030-01-01", true},
  };
  const auto running = ParseReleaseNumber("0.01.00");
  const auto runningDate = ParseUsDate(kProgramDate);
  ASSERT_TRUE(running && runningDate);
  for (const Case& c : cases) {
    const auto number = ParseReleaseNumber(c.offered);
    const auto date = ParseIsoDate(c.offeredDate);
    ASSERT_TRUE(number && date) << c.offered;
    EXPECT_EQ(IsNewerRelease(*number, *date, *running, *runningDate), c.newer) << c.offered;
  }
}

TEST(ReleaseNumbers, RefuseWhatIsNotANumberOrADate) {
  for (const char* text :
       {"", ".", "1.", ".1", "1..2", "v1.0", "1.-2", "1.+2", "1.2a", "1234567890.1", "1 .2"}) {
    EXPECT_FALSE(ParseReleaseNumber(text)) << text;
  }
  for (const char* text : {"2027-1-15", "2027-13-01", "2027-02-29", "2027-04-31", "27-01-15",
                           "2027/01/15", "2027-01-15 "}) {
    EXPECT_FALSE(ParseIsoDate(text)) << text;
  }
  EXPECT_TRUE(ParseIsoDate("2028-02-29"));
  EXPECT_FALSE(ParseUsDate("24/06/2009"));
}

TEST(UpdateDocument, ReadsTheFourMembersAndIgnoresOthers) {
  const auto parsed = ParseUpdateInformation(R"({
    "version": "0.02.00", "date": "2027-01-15",
    "download": "https://www.korvane.example/download",
    "notes": "Faster \"reports\"\nPumps \u00e9 \ud83d\ude00",
    "channel": {"name": "stable", "mirrors": [1, 2.5e3, -0.5, true, false, null, "x"]},
    "size": 123
  })");
  ASSERT_TRUE(parsed.information) << parsed.problem;
  const UpdateInformation& info = *parsed.information;
  EXPECT_EQ(info.version, "0.02.00");
  EXPECT_EQ(info.date, "2027-01-15");
  EXPECT_EQ(info.download, "https://www.korvane.example/download");
  EXPECT_EQ(info.notes, "Faster \"reports\"\nPumps \xC3\xA9 \xF0\x9F\x98\x80");
  EXPECT_EQ(info.releaseDate, (ReleaseDate{2027, 1, 15}));
}

TEST(UpdateDocument, RefusesMalformedOrIncompleteDocuments) {
  // Notes that end inside a UTF-8 sequence.
  const std::string cutUtf8 =
      std::string(R"({"version": "0.02.00", "date": "2027-01-15", "download": "https://a/", )") +
      R"("notes": ")" + "\xC3" + R"("})";
  const std::string documents[] = {
      "",
      "<html>Not found</html>",
      R"(["0.02.00"])",
      R"({"version": "0.02.00", "date": "2027-01-15"})",
      R"({"version": 2, "date": "2027-01-15", "download": "https://a.example/"})",
      R"({"version": "0.02.00", "date": "15.01.2027", "download": "https://a.example/"})",
      R"({"version": "0.02.00", "date": "2027-01-15", "download": "http://a.example/"})",
      R"({"version": "0.02.00", "date": "2027-01-15", "download": "file:///etc/passwd"})",
      R"({"version": "0.02.00", "date": "2027-01-15", "download": "https://a.example/"} x)",
      R"({"version": "0.02.00", "date": "2027-01-15", "download": "https://a.example/",})",
      R"({"version": "0.02.00", "version": "9", "date": "2027-01-15", "download": "https://a/"})",
      R"({"version": "0.02.00", "date": "2027-01-15", "download": "https://a.example/", "notes": "\ud800"})",
      R"({"version": "0.02.00", "date": "2027-01-15", "download": "https://a.example/", "notes": "\q"})",
      cutUtf8,
      R"({"version": "0.02.00", "date": "2027-01-15", "download": "https://a/", "n": 01})",
      R"({"version": "0.02.00", "date": "2027-01-15", "download": "https://a/", "n": [1,)",
  };
  for (const std::string& document : documents) {
    const auto parsed = ParseUpdateInformation(document);
    EXPECT_FALSE(parsed.information) << document;
    EXPECT_FALSE(parsed.problem.empty()) << document;
  }
}

TEST(UpdateDocument, DeepNestingAndHugeDocumentsAreRefusedNotFollowed) {
  const std::string deep = R"({"version": "0.02.00", "date": "2027-01-15", )"
                           R"("download": "https://a.example/", "x": )" +
                           std::string(100000, '[') + std::string(100000, ']') + "}";
  EXPECT_FALSE(ParseUpdateInformation(deep).information);
  const std::string nested = R"({"version": "0.02.00", "date": "2027-01-15", )"
                             R"("download": "https://a.example/", "x": )" +
                             std::string(20, '[') + std::string(20, ']') + "}";
  EXPECT_TRUE(ParseUpdateInformation(nested).information);
}

TEST(Addresses, HttpsAnywherePlainHttpOnThisMachineOnly) {
  struct Case {
    const char* address;
    bool allowed;
  };
  const Case cases[] = {
      {"https://updates.korvane.example/ese.json", true},
      {"HTTPS://Updates.Example:8443/x", true},
      {"http://127.0.0.1:5000/update.json", true},
      {"http://127.8.9.10/update.json", true},
      {"http://localhost/update.json", true},
      {"http://[::1]:8080/update.json", true},
      {"http://updates.korvane.example/ese.json", false},
      {"http://127.0.0.1.evil.example/", false},
      {"http://128.0.0.1/", false},
      {"http://127.0.0.1@evil.example/", false},
      {"http://evil.example#@127.0.0.1/", false},
      {"ftp://127.0.0.1/", false},
      {"javascript://127.0.0.1/", false},
      {"https://", false},
      {"https://host:99999999/", false},
      {"127.0.0.1/update.json", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsAllowedAddress(c.address), c.allowed) << c.address;
}

}  // namespace
}  // namespace korvane::update
