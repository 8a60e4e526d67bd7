#include "system/FileProfile.h"

#include "TempDir.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

// Whether this process can still create a file in dir (root ignores permission bits).
bool CanCreateIn(const std::string& dir) {
  std::string probe = dir + "/probe";
  int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

class FileProfileTest : public ::testing::Test {
protected:
  TempDir dir;
  sys::FileProfile profile;
  std::string ini = dir.File("gravlin.ini");

  std::string Get(const std::string& section, const std::string& key) {
    return profile.GetString(section, key, "<default>", ini);
  }
};

TEST_F(FileProfileTest, CreatesTheFileSectionsAndKeysFromNothing) {
  mode_t mask = ::umask(0);
  ::umask(mask);
  // Interleaved, so a key must go into the earlier section rather than the end of the file.
  const char* writes[][3] = {{"Indication", "Interval", "250"},
                             {"Condition", "Limit", "10"},
                             {"Indication", "Colour", "3"},
                             {"Condition", "Beep", "1"},
                             {"Indication", "OnTop", "0"}};
  for (const auto& w : writes)
    ASSERT_TRUE(profile.WriteString(w[0], w[1], w[2], ini)) << w[1];

  EXPECT_EQ(ReadBytes(ini), "[Indication]\nInterval=250\nColour=3\nOnTop=0\n"
                            "[Condition]\nLimit=10\nBeep=1\n");
  for (const auto& w : writes)
    EXPECT_EQ(Get(w[0], w[1]), w[2]);
  EXPECT_EQ(ModeOf(ini), 0666 & ~mask);
  EXPECT_EQ(dir.Entries(), std::set<std::string>{"gravlin.ini"});
}

struct Edit {
  const char* name;
  const char* before;
  const char* section;
  const char* key;
  const char* value;
  const char* after;
};

const Edit kEdits[] = {
    {"replacing keeps the other lines, the blanks after = and CRLF",
     "; Velmora settings\r\n[Indication]\r\nColour=3\r\nInterval = 250 \r\nUnknown=x\r\n\r\n"
     "[Condition]\r\nLimit=10\r\n",
     "Indication", "interval", "500",
     "; Velmora settings\r\n[Indication]\r\nColour=3\r\nInterval = 500\r\nUnknown=x\r\n\r\n"
     "[Condition]\r\nLimit=10\r\n"},
    {"a new key goes before the section's trailing blank lines",
     "[Indication]\nColour=3\n; note\n\n\n[Condition]\nLimit=10\n", "Indication", "Interval", "250",
     "[Indication]\nColour=3\n; note\nInterval=250\n\n\n[Condition]\nLimit=10\n"},
    {"a new section goes at the end, after a last line without a break", "[Indication]\nColour=3",
     "Condition", "Limit", "10", "[Indication]\nColour=3\n[Condition]\nLimit=10\n"},
    {"a new key after a header without a break", "[Indication]", "Indication", "Colour", "3",
     "[Indication]\nColour=3\n"},
    {"new lines follow the file's CRLF", "[Indication]\r\nColour=3\r\n", "Condition", "Limit", "10",
     "[Indication]\r\nColour=3\r\n[Condition]\r\nLimit=10\r\n"},
    {"only the first of duplicate sections and keys changes",
     "[Indication]\nColour=1\nColour=2\n[Indication]\nColour=3\n", "Indication", "Colour", "9",
     "[Indication]\nColour=9\nColour=2\n[Indication]\nColour=3\n"},
    {"names match in any case and keep the file's spelling", "[INDICATION]\ncolour=1\n",
     "Indication", "Colour", "2", "[INDICATION]\ncolour=2\n"},
    {"a key outside every section or in a comment is not the key",
     "Colour=1\n[Indication]\n;Colour=1\n", "Indication", "Colour", "2",
     "Colour=1\n[Indication]\n;Colour=1\nColour=2\n"},
    {"an empty value", "[Indication]\nColour=3\n", "Indication", "Colour", "",
     "[Indication]\nColour=\n"},
};

TEST_F(FileProfileTest, EditsOnlyTheLineItMust) {
  for (const Edit& e : kEdits) {
    SCOPED_TRACE(e.name);
    WriteBytes(ini, e.before);
    ASSERT_TRUE(profile.WriteString(e.section, e.key, e.value, ini));
    EXPECT_EQ(ReadBytes(ini), e.after);
    EXPECT_EQ(Get(e.section, e.key), e.value);
  }
}

TEST_F(FileProfileTest, KeepsTheFilesPermissionBits) {
  WriteBytes(ini, "[Indication]\nColour=3\n");
  ASSERT_EQ(::chmod(ini.c_str(), 0640), 0);
  ASSERT_TRUE(profile.WriteString("Indication", "Colour", "4", ini));
  EXPECT_EQ(ModeOf(ini), 0640u);
}

TEST_F(FileProfileTest, ReadsValuesAsTheSettingsFileMeansThem) {
  WriteBytes(ini, "\xEF\xBB\xBF; comment\n"
                  "[Indication]\n"
                  "  Colour  =  3  \n"
                  "Quoted=\"  spaced  \"\n"
                  "Single='x'\n"
                  "Mismatched=\"x'\n"
                  "Lone=\"\n"
                  "Empty=\n"
                  "Crlf=7\r\n"
                  "Equals=a=b\n"
                  ";Hidden=1\n"
                  "NoEquals\n"
                  "[ condition ]\r\n"
                  "Limit=10\n"
                  "[Indication]\n"
                  "Late=1\n");
  const char* cases[][3] = {
      {"Indication", "colour", "3"},
      {"INDICATION", "Quoted", "  spaced  "},
      {"Indication", "Single", "x"},
      {"Indication", "Mismatched", "\"x'"},
      {"Indication", "Lone", "\""},
      {"Indication", "Empty", ""},
      {"Indication", "Crlf", "7"},
      {"Indication", "Equals", "a=b"},
      {"Indication", "Hidden", "<default>"},
      {"Indication", "NoEquals", "<default>"},
      {"Condition", "Limit", "10"},
      {"Indication", "Late", "<default>"}, // only the first section of a name is read
      {"Indication", "Limit", "<default>"},
      {"Missing", "Colour", "<default>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c[0]) + "/" + c[1]);
    EXPECT_EQ(Get(c[0], c[1]), c[2]);
  }
}

TEST_F(FileProfileTest, UnreadableFilesGiveTheDefault) {
  EXPECT_EQ(Get("Indication", "Colour"), "<default>"); // no file yet
  ASSERT_TRUE(std::filesystem::create_directory(ini));
  EXPECT_EQ(Get("Indication", "Colour"), "<default>");
}

TEST_F(FileProfileTest, CutsLongValuesWithoutSplittingACharacter) {
  struct {
    std::string value;
    std::string expected;
  } cases[] = {
      {std::string(1023, 'a'), std::string(1023, 'a')},
      {std::string(1100, 'a'), std::string(1023, 'a')},
      {std::string(1022, 'a') + "\xC3\xA9", std::string(1022, 'a')},     // é over the cut
      {std::string(1021, 'a') + "\xE2\x82\xAC", std::string(1021, 'a')}, // € over the cut
      {std::string(1020, 'a') + "\xE2\x82\xAC", std::string(1020, 'a') + "\xE2\x82\xAC"},
      {"\"" + std::string(1023, 'b') + "\"", std::string(1023, 'b')}, // quotes go first
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value.size());
    WriteBytes(ini, "[Indication]\nLong=" + c.value + "\n");
    EXPECT_EQ(Get("Indication", "Long"), c.expected);
  }
}

TEST_F(FileProfileTest, ARefusedWriteLeavesTheFileAndNoTemporary) {
  const std::string original = "; mine\n[Indication]\nColour=3\n";
  std::string readOnlyDir = dir.File("locked");
  std::string directoryPath = dir.File("folder.ini");
  ASSERT_TRUE(std::filesystem::create_directory(readOnlyDir));
  ASSERT_TRUE(std::filesystem::create_directory(directoryPath));
  WriteBytes(readOnlyDir + "/gravlin.ini", original);
  WriteBytes(ini, original);
  ASSERT_EQ(::chmod(ini.c_str(), 0444), 0);
  ASSERT_EQ(::chmod(readOnlyDir.c_str(), 0555), 0);

  struct {
    const char* name;
    std::string path;
    bool applies; // permission bits do not stop root
  } cases[] = {
      {"read-only directory", readOnlyDir + "/gravlin.ini", !CanCreateIn(readOnlyDir)},
      {"read-only file", ini, ::access(ini.c_str(), W_OK) != 0},
      {"path is a directory", directoryPath, true},
      {"directory does not exist", dir.File("missing/gravlin.ini"), true},
  };
  std::set<std::string> entries = dir.Entries();
  for (const auto& c : cases) {
    if (!c.applies) continue;
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(profile.WriteString("Indication", "Colour", "4", c.path));
    EXPECT_EQ(dir.Entries(), entries);
    EXPECT_TRUE(std::filesystem::is_empty(directoryPath));
  }
  EXPECT_EQ(ReadBytes(ini), original);
  EXPECT_EQ(ReadBytes(readOnlyDir + "/gravlin.ini"), original);
  std::set<std::string> lockedEntries;
  for (const auto& e : std::filesystem::directory_iterator(readOnlyDir))
    lockedEntries.insert(e.path().filename().string());
  EXPECT_EQ(lockedEntries, std::set<std::string>{"gravlin.ini"});
}

TEST_F(FileProfileTest, AFailedDataWriteRemovesTheTemporary) {
  const std::string original = "[Indication]\nColour=3\n";
  WriteBytes(ini, original);
  // A file size limit makes the temporary's write fail halfway, even for root; in a child, so
  // the limit stays there.
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{8, 8};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    bool written = profile.WriteString("Indication", "Colour", std::string(100, '4'), ini);
    ::_exit(written ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the write should have been refused";
  EXPECT_EQ(ReadBytes(ini), original);
  EXPECT_EQ(dir.Entries(), std::set<std::string>{"gravlin.ini"});
}

TEST_F(FileProfileTest, WritesThroughASymlinkAndKeepsIt) {
  for (bool targetExists : {true, false}) {
    SCOPED_TRACE(targetExists ? "target exists" : "dangling link");
    std::string target = dir.File(targetExists ? "real.ini" : "later.ini");
    if (targetExists) WriteBytes(target, "[Indication]\nColour=3\n");
    std::filesystem::remove(ini);
    std::filesystem::create_symlink(std::filesystem::path(target).filename(), ini);

    ASSERT_TRUE(profile.WriteString("Indication", "Colour", "5", ini));
    EXPECT_TRUE(std::filesystem::is_symlink(ini));
    EXPECT_EQ(ReadBytes(target), "[Indication]\nColour=5\n");
    EXPECT_EQ(Get("Indication", "Colour"), "5");
  }
}

TEST_F(FileProfileTest, ADoubledSlashStillNamesTheFile) {
  // The program builds "<dir>/gravlin.ini" even when the directory is "/".
  std::string doubled = dir.Path() + "//gravlin.ini";
  ASSERT_TRUE(profile.WriteString("Indication", "Colour", "3", doubled));
  EXPECT_EQ(ReadBytes(ini), "[Indication]\nColour=3\n");
  EXPECT_EQ(profile.GetString("Indication", "Colour", "", doubled), "3");
  EXPECT_EQ(dir.Entries(), std::set<std::string>{"gravlin.ini"});
}

} // namespace
