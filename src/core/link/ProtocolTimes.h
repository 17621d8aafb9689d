#pragma once

// Intervals and counts of the module protocol, in one place so that the
// state machines and their tests agree on them.
namespace velmar::proto {

inline constexpr int kFireNowMs = 1;            // a waiting timer's "run at once"
inline constexpr int kTickMs = 100;             // supervision tick (TimerLeds)
inline constexpr int kWriteTimeoutMs = 2000;    // one value of the write cycle
inline constexpr int kReadStepMs = 3000;        // one step of a page read
inline constexpr int kPollMs = 5000;            // identification polling
inline constexpr int kIdentStartMs = 500;       // first poll after choosing a port
inline constexpr int kIdentProbeMs = 100;       // first poll of the start-up probe
inline constexpr int kInitializedPauseMs = 5000;// factory reset -> full read
inline constexpr int kWaitRounds = 6;           // vegades_espero after an answer
inline constexpr int kLinkWatchdogTicks = 100;  // tempsllegir after a reply (10 s)
inline constexpr int kLampHoldTicks = 2;        // tempsTX / tempsRX
inline constexpr int kUpdateRelayLife = 300;    // tempsActu after a "+U" reply
inline constexpr int kMaxReplyChars = 20000;    // reply accumulator, terminator included
inline constexpr int kSerialBaud = 115200;
inline constexpr int kWriteTimeoutSerialMs = 1000;

} // namespace velmar::proto
