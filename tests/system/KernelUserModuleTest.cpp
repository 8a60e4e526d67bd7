#include "system/KernelUserModule.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

using sys::KernelUserModule;

namespace {

constexpr std::uint32_t kAddress = KernelUserModule::kGetFreeSystemResources;

std::string Meminfo(const std::string& total, const std::string& available) {
  return "MemTotal:       " + total +
         " kB\nMemFree:          12345 kB\nMemAvailable:   " + available +
         " kB\nSwapTotal:      2097148 kB\nSwapFree:       2097148 kB\n";
}

std::string Loadavg(const std::string& tasks) {
  return "0.52 0.58 0.59 3/" + tasks + " 12345\n";
}

// A mount table as a systemd host shows it: cgroup v1 controllers next to the v2 hierarchy.
const char* const kMountinfo =
    "22 1 259:2 / / rw,relatime shared:1 - ext4 /dev/nvme0n1p2 rw\n"
    "31 22 0:28 / /sys/fs/cgroup/memory rw,nosuid shared:10 - cgroup cgroup rw,memory\n"
    "35 22 0:30 / /sys/fs/cgroup rw,nosuid,nodev,noexec,relatime shared:9 master:2 - cgroup2 "
    "cgroup2 rw,nsdelegate\n";

const char* const kCgroup = "4:memory:/elsewhere\n1:name=systemd:/user.slice/app.scope\n"
                            "0::/user.slice/app.scope\n";

// A healthy machine: 90 % memory available, 60 % task slots free, no cgroup limits yet.
class KernelTree : public TempDirTest {
protected:
  void SetUp() override {
    TempDirTest::SetUp();
    WriteHealthyTree();
    Module = KernelUserModule(Dir);
  }

  void WriteHealthyTree() {
    Write("proc/meminfo", Meminfo("1000000", "900000"));
    Write("proc/loadavg", Loadavg("400"));
    Write("proc/sys/kernel/threads-max", "1000\n");
    Write("proc/sys/kernel/pid_max", "32768\n");
    Write("proc/self/mountinfo", kMountinfo);
    Write("proc/self/cgroup", kCgroup);
  }

  // One reading of a kind through a module loaded and looked up as the probe does it.
  std::uint16_t Read(std::uint16_t kind) {
    EXPECT_EQ(Module.Load("user.exe"), KernelUserModule::kUserHandle);
    EXPECT_EQ(Module.Lookup(KernelUserModule::kUserHandle, "GetFreeSystemResources"), kAddress);
    return Module.Call(kAddress, kind);
  }

  void ExpectReadings(std::uint16_t memory, std::uint16_t tasks) {
    EXPECT_EQ(Read(1), memory);
    EXPECT_EQ(Read(2), tasks);
    EXPECT_EQ(Read(0), std::min(memory, tasks));
  }

  KernelUserModule Module;
};

TEST_F(KernelTree, MachineWideCountersGivePercentRoundedDown) {
  struct Case {
    const char* total;
    const char* available;
    const char* tasks;
    const char* threadsMax;
    const char* pidMax;
    std::uint16_t memory;
    std::uint16_t tasksFree;
  };
  const Case cases[] = {
      {"1000000", "900000", "400", "1000", "32768", 90, 60},
      {"3", "2", "1", "3", "32768", 66, 66},
      // pid_max itself is never handed out: 10 slots, not 11.
      {"1000", "1000", "5", "100000", "11", 100, 50},
      {"1000", "1500", "2000", "1000", "32768", 100, 0},
      {"1000", "0", "0", "1000", "32768", 0, 100},
      // Beyond 32 bits.
      {"40000000000", "10000000000", "1000000", "4000000000", "4194304", 25, 76},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.total) + " " + c.available + " " + c.tasks);
    Write("proc/meminfo", Meminfo(c.total, c.available));
    Write("proc/loadavg", Loadavg(c.tasks));
    Write("proc/sys/kernel/threads-max", c.threadsMax);
    Write("proc/sys/kernel/pid_max", c.pidMax);
    ExpectReadings(c.memory, c.tasksFree);
  }
}

// One cgroup level's files; nullptr leaves a file out.
struct Files {
  const char* max = nullptr;
  const char* current = nullptr;
  const char* stat = nullptr;
};

const char* const kLevels[] = {"sys/fs/cgroup", "sys/fs/cgroup/user.slice",
                               "sys/fs/cgroup/user.slice/app.scope"};

TEST_F(KernelTree, CgroupMemoryLimitsTakeTheLowestLevel) {
  struct Case {
    const char* name;
    Files root, parent, child;
    std::uint16_t memory;
  };
  const Case cases[] = {
      {"no limits", {"max", "10"}, {"max", "10"}, {"max", "10", "inactive_file 0\n"}, 90},
      {"inactive file cache is not used",
       {},
       {"max", "900"},
       {"1000", "800", "active_file 700\ninactive_file 300\nanon 400\n"},
       50},
      {"parent tighter than child", {}, {"1000", "900", ""}, {"2000", "500", ""}, 10},
      {"child tighter than parent", {}, {"4000", "1000", ""}, {"1000", "700", ""}, 30},
      {"mount root counts", {"1000", "800", ""}, {}, {"4000", "1000", ""}, 20},
      {"inactive above current", {}, {}, {"1000", "800", "inactive_file 900\n"}, 90},
      {"over the limit", {}, {}, {"1000", "1200", "inactive_file 100\n"}, 0},
      {"no memory.current", {}, {}, {"1000", nullptr, ""}, 90},
      {"no memory.stat", {}, {}, {"1000", "800", nullptr}, 20},
      {"bytes beyond 32 bits", {}, {}, {"8589934592", "6442450944", ""}, 25},
      {"bytes near 2^63", {}, {}, {"9223372036854771712", "4611686018427385856", ""}, 50},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(Dir / "sys");
    const Files* levels[] = {&c.root, &c.parent, &c.child};
    for (int i = 0; i < 3; ++i) {
      if (levels[i]->max) Write(std::string(kLevels[i]) + "/memory.max", levels[i]->max);
      if (levels[i]->current)
        Write(std::string(kLevels[i]) + "/memory.current", levels[i]->current);
      if (levels[i]->stat) Write(std::string(kLevels[i]) + "/memory.stat", levels[i]->stat);
    }
    ExpectReadings(c.memory, 60);
  }
}

TEST_F(KernelTree, CgroupPidLimitsTakeTheLowestLevel) {
  struct Case {
    const char* name;
    Files root, parent, child; // max and current only
    std::uint16_t tasks;
  };
  const Case cases[] = {
      {"no limits", {"max", "10"}, {"max", "10"}, {"max", "10"}, 60},
      {"child limit", {}, {"max", "75"}, {"100", "75"}, 25},
      {"parent tighter than child", {}, {"10", "9"}, {"100", "75"}, 10},
      {"mount root counts", {"100", "95"}, {}, {}, 5},
      {"no pids.current", {}, {}, {"100", nullptr}, 60},
      {"over the limit", {}, {}, {"100", "150"}, 0},
      {"zero limit", {}, {}, {"0", "0"}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(Dir / "sys");
    const Files* levels[] = {&c.root, &c.parent, &c.child};
    for (int i = 0; i < 3; ++i) {
      if (levels[i]->max) Write(std::string(kLevels[i]) + "/pids.max", levels[i]->max);
      if (levels[i]->current) Write(std::string(kLevels[i]) + "/pids.current", levels[i]->current);
    }
    ExpectReadings(90, c.tasks);
  }
}

TEST_F(KernelTree, CgroupDirectoryComesFromMountinfoAndSelfCgroup) {
  struct Case {
    const char* name;
    const char* mountinfo; // nullptr: no such file
    const char* cgroup;
    const char* limitedDir; // where a 30 % memory limit is placed
    std::uint16_t memory;
  };
  const Case cases[] = {
      {"escaped mount point",
       "35 22 0:30 / /sys/fs/my\\040cgroup rw shared:9 - cgroup2 cgroup2 rw\n", "0::/app\n",
       "sys/fs/my cgroup/app", 30},
      {"container namespace root", "35 22 0:30 / /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n",
       "0::/\n", "sys/fs/cgroup", 30},
      {"mounted below the hierarchy root",
       "35 22 0:30 /docker/abc /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n", "0::/docker/abc/app\n",
       "sys/fs/cgroup/app", 30},
      {"cgroup outside the mounted part",
       "35 22 0:30 /docker/abc /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n", "0::/other\n",
       "sys/fs/cgroup", 90},
      {"cgroup v1 only", "31 22 0:28 / /sys/fs/cgroup rw - cgroup cgroup rw,memory\n",
       "4:memory:/\n0::/\n", "sys/fs/cgroup", 90},
      {"no v2 line in self cgroup", kMountinfo, "4:memory:/\n", "sys/fs/cgroup", 90},
      {"no mountinfo", nullptr, "0::/\n", "sys/fs/cgroup", 90},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(Dir / "sys");
    if (c.mountinfo)
      Write("proc/self/mountinfo", c.mountinfo);
    else
      Remove("proc/self/mountinfo");
    Write("proc/self/cgroup", c.cgroup);
    Write(std::string(c.limitedDir) + "/memory.max", "1000");
    Write(std::string(c.limitedDir) + "/memory.current", "700");
    ExpectReadings(c.memory, 60);
  }
}

TEST_F(KernelTree, UnreadableSourceFailsLoadOrLookup) {
  struct Case {
    const char* name;
    std::function<void()> breakTree;
    bool loads;
  };
  const std::vector<Case> cases = {
      {"no meminfo", [this] { Remove("proc/meminfo"); }, false},
      {"no loadavg", [this] { Remove("proc/loadavg"); }, false},
      {"no threads-max", [this] { Remove("proc/sys/kernel/threads-max"); }, false},
      {"no pid_max", [this] { Remove("proc/sys/kernel/pid_max"); }, false},
      {"no MemAvailable", [this] { Write("proc/meminfo", "MemTotal: 1000 kB\n"); }, true},
      {"no MemTotal", [this] { Write("proc/meminfo", "MemAvailable: 1000 kB\n"); }, true},
      {"MemTotal 0", [this] { Write("proc/meminfo", Meminfo("0", "0")); }, true},
      {"no slash in loadavg", [this] { Write("proc/loadavg", "0.52 0.58 0.59 400 12345\n"); },
       true},
      {"empty loadavg", [this] { Write("proc/loadavg", ""); }, true},
      {"threads-max 0", [this] { Write("proc/sys/kernel/threads-max", "0\n"); }, true},
      {"threads-max negative", [this] { Write("proc/sys/kernel/threads-max", "-5\n"); }, true},
      {"pid_max 0", [this] { Write("proc/sys/kernel/pid_max", "0\n"); }, true},
      {"pid_max not a number", [this] { Write("proc/sys/kernel/pid_max", "many\n"); }, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteHealthyTree();
    c.breakTree();
    KernelUserModule module(Dir);
    const auto handle = module.Load("user.exe");
    if (!c.loads) {
      EXPECT_LT(handle, 32);
      continue;
    }
    EXPECT_EQ(handle, KernelUserModule::kUserHandle);
    EXPECT_EQ(module.Lookup(handle, "GetFreeSystemResources"), 0u);
  }
}

TEST_F(KernelTree, OnlyUserExeAndGetFreeSystemResourcesAnswer) {
  EXPECT_EQ(Module.Load("gdi.exe"), 2);
  const auto handle = Module.Load("user.exe");
  ASSERT_EQ(handle, KernelUserModule::kUserHandle);
  // Resident: still usable after the release.
  Module.Release(handle);
  EXPECT_EQ(Module.Lookup(handle, "GetFreeSystemResources"), kAddress);
  EXPECT_EQ(Module.Lookup(handle + 1, "GetFreeSystemResources"), 0u);
  EXPECT_EQ(Module.Lookup(handle, "GetFreeSpace"), 0u);
  EXPECT_EQ(Module.Call(kAddress + 1, 1), 0);
  EXPECT_EQ(Module.Call(kAddress, 3), 0);
  EXPECT_EQ(Module.Call(kAddress, 0xFFFF), 0);
}

TEST_F(KernelTree, ReadFailingInsideTheCallKeepsTheLastGoodValue) {
  // Never read successfully: nothing to go on but "all free".
  {
    Remove("proc/meminfo");
    KernelUserModule fresh(Dir);
    EXPECT_EQ(fresh.Call(kAddress, 0), 100);
    EXPECT_EQ(fresh.Call(kAddress, 1), 100);
    EXPECT_EQ(fresh.Call(kAddress, 2), 60);
  }
  Write("proc/meminfo", Meminfo("1000", "900"));
  ExpectReadings(90, 60);

  Remove("proc/meminfo");
  Write("proc/loadavg", Loadavg("700"));
  EXPECT_EQ(Module.Call(kAddress, 1), 90);
  EXPECT_EQ(Module.Call(kAddress, 2), 30);
  EXPECT_EQ(Module.Call(kAddress, 0), 60);

  Write("proc/meminfo", Meminfo("1000", "500"));
  Write("proc/loadavg", "garbage\n");
  EXPECT_EQ(Module.Call(kAddress, 1), 50);
  EXPECT_EQ(Module.Call(kAddress, 2), 30);
  EXPECT_EQ(Module.Call(kAddress, 0), 60);

  Write("proc/loadavg", Loadavg("800"));
  EXPECT_EQ(Module.Call(kAddress, 0), 20);
}

TEST(KernelUserModuleOnThisMachine, ReadingsAreConsistentPercentages) {
  KernelUserModule module;
  const auto handle = module.Load("user.exe");
  ASSERT_EQ(handle, KernelUserModule::kUserHandle);
  ASSERT_EQ(module.Lookup(handle, "GetFreeSystemResources"), kAddress);
  // The counters move between reads; kind 0 is checked against a pair of kinds 1 and 2 that
  // held still around it.
  for (int attempt = 0; attempt < 20; ++attempt) {
    const auto memory = module.Call(kAddress, 1);
    const auto tasks = module.Call(kAddress, 2);
    const auto system = module.Call(kAddress, 0);
    const auto memoryAfter = module.Call(kAddress, 1);
    const auto tasksAfter = module.Call(kAddress, 2);
    for (auto value : {memory, tasks, system, memoryAfter, tasksAfter})
      ASSERT_LE(value, 100);
    if (memory == memoryAfter && tasks == tasksAfter) {
      EXPECT_EQ(system, std::min(memory, tasks));
      return;
    }
  }
  GTEST_SKIP() << "counters never held still for a whole reading";
}

} // namespace
