// The music player on the tunes the build makes, with the ALSA null sink of
// the test session as its device, and the effect sounds of the resources.
#include "sound/music.h"

#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "res/resource.h"
#include "tests/win32/test_files.h"

namespace {

const DWORD GAME_LOOP_START = 184064;
const DWORD BOUND_MS = 10000;
const char GAME_TUNE[] = TUNE_PATH;

std::string Fixture(const char* name) {
  return std::string(MUSIC_FIXTURES) + "/" + name;
}

// A tune in a scratch folder of the test's own, so that the test can see the
// file is closed again: an open file cannot be deleted.
class Tune {
 public:
  Tune(const char* name, const std::string& bytes) : folder_(MakeScratchFolder("music")) {
    path_ = folder_ + "\\" + name;
    WriteFileBytes(path_, bytes);
  }
  explicit Tune(const char* fixture) : Tune(fixture, true) {}
  // A copy of the tune at `source`.
  Tune(const char* source, bool isFixture)
      : Tune("wallo.ogg", ReadFileBytes(isFixture ? Fixture(source) : std::string(source))) {}
  ~Tune() { RemoveFolderTree(folder_); }
  const char* Path() const { return path_.c_str(); }
  bool Closed() const { return DeleteFileA(path_.c_str()) != 0; }

 private:
  std::string folder_, path_;
};

LONG LoopsQueued() {
  return InterlockedCompareExchange(&requeue.loopsQueued, 0, 0);
}

// Waits until the loop section has been queued `more` times more than now.
bool WaitForLoops(LONG more) {
  LONG target = LoopsQueued() + more;
  for (DWORD waited = 0; waited < BOUND_MS; waited += 10) {
    if (LoopsQueued() >= target) return true;
    Sleep(10);
  }
  return false;
}

bool Prepared(const WAVEHDR& header) {
  return (header.dwFlags & WHDR_PREPARED) != 0;
}

TEST(PlayMusic, StartsEachTuneWithItsFormatLengthAndSilentTail) {
  struct Case {
    const char* name;
    WORD blockAlign;
    DWORD decoded;       // bytes of PCM in the buffer
    DWORD loopPosition;  // the game's loop start, in bytes
  } cases[] = {
      {"stereo44.ogg", 4, 882000, 736256},
      {"mono22.ogg", 2, 396900, 368128},
      {"long.ogg", 4, MUSIC_PCM_CAPACITY, 736256},  // 55 s: cut at 53.5 s
      {GAME_TUNE, 4, 1656576 * 4, 736256},          // the game's own: 37.6 s
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Tune tune(c.name, c.name != GAME_TUNE);
    // Sound left where the tail will lie, as an earlier, longer tune would.
    memset(music.pcmBuffer + c.decoded, 0x55, MUSIC_TAIL_BYTES);
    ASSERT_EQ(PlayMusic(tune.Path(), GAME_LOOP_START), 1);
    EXPECT_NE(music.musicDevice, nullptr);
    EXPECT_EQ(music.blockAlign, c.blockAlign);
    EXPECT_EQ(music.loopPoint.wType, static_cast<UINT>(TIME_SAMPLES));
    EXPECT_EQ(music.loopPoint.u.sample * music.blockAlign, c.loopPosition);
    EXPECT_EQ(music.introHeader.lpData, music.pcmBuffer);
    EXPECT_EQ(music.introHeader.dwBufferLength, c.decoded + MUSIC_TAIL_BYTES);
    EXPECT_EQ(music.introHeader.dwLoops, 1u);
    EXPECT_TRUE(music.introHeader.dwFlags & WHDR_INQUEUE) << "the first pass plays";
    std::string tail(music.pcmBuffer + c.decoded, MUSIC_TAIL_BYTES);
    EXPECT_EQ(tail, std::string(MUSIC_TAIL_BYTES, '\0')) << "the tail is silence";
    EXPECT_TRUE(tune.Closed()) << "the decoder let the file go";
    EXPECT_EQ(PlayMusic(NULL, 0), 1);
    EXPECT_EQ(music.musicDevice, nullptr);
    EXPECT_FALSE(Prepared(music.introHeader));
  }
}

// Files that hold no tune leave the game silent: nothing opened, the file
// closed again, and the stop at the end has nothing to do.
TEST(PlayMusic, FilesWithoutATuneStartNothing) {
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"a text file", "This is not a tune.\r\n"},
      {"an empty file", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Tune tune("wallo.ogg", c.bytes);
    EXPECT_EQ(PlayMusic(tune.Path(), GAME_LOOP_START), 0);
    EXPECT_EQ(music.musicDevice, nullptr);
    EXPECT_TRUE(tune.Closed());
    EXPECT_EQ(PlayMusic(NULL, 0), 0);
  }
  EXPECT_EQ(PlayMusic("Z:\\no\\such\\folder\\wallo.ogg", GAME_LOOP_START), 0);
  EXPECT_EQ(music.musicDevice, nullptr);
  EXPECT_EQ(PlayMusic(NULL, 0), 0);
}

// A damaged tune plays what decoded before the damage.
TEST(PlayMusic, DamagedTunesPlayWhatCameBeforeTheDamage) {
  const std::string whole = ReadFileBytes(Fixture("stereo44.ogg"));
  const size_t damage = whole.size() * 3 / 4;  // among the audio pages
  std::string corrupted = whole;
  for (size_t i = damage; i < damage + 64; ++i) corrupted[i] ^= 0x5A;
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {{"truncated", whole.substr(0, damage)}, {"corrupted", corrupted}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Tune tune("wallo.ogg", c.bytes);
    ASSERT_EQ(PlayMusic(tune.Path(), GAME_LOOP_START), 1);
    DWORD decoded = music.introHeader.dwBufferLength - MUSIC_TAIL_BYTES;
    EXPECT_GT(decoded, 0u);
    EXPECT_LT(decoded, 882000u);
    EXPECT_TRUE(tune.Closed());
    EXPECT_EQ(PlayMusic(NULL, 0), 1);
  }
}

// The device plays the loop section again after every pass, from the loop
// point to the end of the tail, until the stop; then nothing more is queued.
TEST(PlayMusic, LoopSectionIsQueuedAgainAndAgainUntilTheStop) {
  struct Case {
    DWORD loopStart;
    DWORD position;
  } cases[] = {{1102, 4408}, {0, 0}};  // half the blip; the whole of it
  for (const Case& c : cases) {
    SCOPED_TRACE(c.loopStart);
    Tune tune("blip.ogg");
    ASSERT_EQ(PlayMusic(tune.Path(), c.loopStart), 1);
    ASSERT_TRUE(WaitForLoops(5)) << "the loop section was not queued again";
    EXPECT_EQ(music.loopHeader.lpData, music.pcmBuffer + c.position);
    EXPECT_EQ(music.loopHeader.dwBufferLength, 8820 + MUSIC_TAIL_BYTES - c.position);
    EXPECT_EQ(music.loopHeader.dwLoops, 1u);
    EXPECT_EQ(PlayMusic(NULL, 0), 1);
    LONG afterStop = LoopsQueued();
    EXPECT_FALSE(Prepared(music.loopHeader));
    Sleep(300);  // six blips' time
    EXPECT_EQ(LoopsQueued(), afterStop) << "queued after the stop";
  }
}

// A tune that ends before its loop point plays once; the device then stays
// open and silent until the stop.
TEST(PlayMusic, TuneEndingBeforeTheLoopPointPlaysOnce) {
  Tune tune("short.ogg");  // 1 s, the loop point at 4.17 s
  LONG before = LoopsQueued();
  ASSERT_EQ(PlayMusic(tune.Path(), GAME_LOOP_START), 1);
  for (DWORD waited = 0; waited < BOUND_MS && !(music.introHeader.dwFlags & WHDR_DONE);
       waited += 10) {
    Sleep(10);
  }
  EXPECT_TRUE(music.introHeader.dwFlags & WHDR_DONE) << "the first pass ended";
  Sleep(200);  // time for a re-queue, were there one
  EXPECT_EQ(LoopsQueued(), before);
  EXPECT_EQ(QueueLoopSection(music.musicDevice), -2);
  EXPECT_NE(music.musicDevice, nullptr);
  EXPECT_EQ(PlayMusic(NULL, 0), 1);
}

// Stopped during the first pass: the loop section was never prepared.
TEST(PlayMusic, StopDuringTheFirstPass) {
  Tune tune("stereo44.ogg");
  memset(&music.loopHeader, 0, sizeof music.loopHeader);
  LONG before = LoopsQueued();
  ASSERT_EQ(PlayMusic(tune.Path(), GAME_LOOP_START), 1);
  Sleep(100);
  EXPECT_EQ(PlayMusic(NULL, 0), 1);
  EXPECT_FALSE(Prepared(music.introHeader));
  EXPECT_FALSE(Prepared(music.loopHeader));
  Sleep(200);
  EXPECT_EQ(LoopsQueued(), before);
}

// Starts and stops in quick succession, stopping before, during and after
// the re-queues: none hangs and none leaves anything queued.
TEST(PlayMusic, ThousandStartsAndStopsNeitherHangNorQueueAfterAStop) {
  Tune tune("blip.ogg");
  int failedStarts = 0, failedStops = 0, queuedAfterStop = 0;
  for (int cycle = 0; cycle < 1000; ++cycle) {
    if (PlayMusic(tune.Path(), cycle % 2 ? 0 : 1102) != 1) ++failedStarts;
    const DWORD pauses[] = {0, 10, 30, 70};  // the blip lasts 50 ms, a pass about 70
    Sleep(pauses[cycle % 4]);
    if (PlayMusic(NULL, 0) != 1) ++failedStops;
    LONG afterStop = LoopsQueued();
    if (music.loopHeader.dwFlags & WHDR_INQUEUE) ++queuedAfterStop;
    if (cycle % 100 == 99) Sleep(150);  // a re-queue late after the stop would show now
    if (LoopsQueued() != afterStop) ++queuedAfterStop;
  }
  EXPECT_EQ(failedStarts, 0);
  EXPECT_EQ(failedStops, 0);
  EXPECT_EQ(queuedAfterStop, 0);
  EXPECT_EQ(music.musicDevice, nullptr);
}

// Each effect is a sound the system can play from the program's resources.
TEST(Effects, EachPlaysFromTheResources) {
  HMODULE module = GetModuleHandleA(NULL);
  const DWORD SYNC_FROM_RESOURCE = SND_RESOURCE | SND_SYNC | SND_NODEFAULT;
  for (int id : {IDW_THANKS, IDW_BOO, IDW_DEFLECT, IDW_GET}) {
    EXPECT_TRUE(PlaySoundA(MAKEINTRESOURCEA(id), module, SYNC_FROM_RESOURCE)) << id;
  }
  EXPECT_FALSE(PlaySoundA(MAKEINTRESOURCEA(999), module, SYNC_FROM_RESOURCE)) << "no such sound";
}

}  // namespace
