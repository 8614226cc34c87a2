#pragma once

namespace montira::cmd {

// The one-letter commands the meter understands. Letters are case-sensitive: "c" and "C",
// "o" and "O" are different commands. Every command is preceded by the Q/J handshake.
constexpr char Attention = 'Q';       // the meter answers with a reply ending in 'J'
constexpr char AttentionReply = 'J';  // byte 74
constexpr char ReadClock = 'G';       // reply: YY MM DD hh mm ss, one byte each
constexpr char SetClock = 'F';        // then a 6-byte array in the order of the 'G' reply
constexpr char KeyCF = 'K';           // °C/°F key
constexpr char KeyDown = 'W';
constexpr char KeyEscape = 'o';
constexpr char KeyHold = 'L';
constexpr char KeyMaxMin = 'O';
constexpr char KeyMem = 'R';
constexpr char KeyMode = 'N';
constexpr char KeyRead = 'U';
constexpr char KeyRunStop = 'M';
constexpr char KeyTime = 'P';
constexpr char KeyUp = 'V';
constexpr char ManualQuery = 'S';   // reply: 'Y' or 'Z', then the record count
constexpr char ManualDump = 'T';    // reply: 20 bytes per manual record
constexpr char EraseLogger = 'D';   // no reply
constexpr char ReadSampling = 'J';  // reply: minutes, seconds
constexpr char SetMinutes = 'H';    // then one byte, 1..60
constexpr char SetSeconds = 'I';    // then one byte, 1..59
constexpr char LoggerStatus = 'c';  // reply: STX, used (3 bytes), sets (2 bytes), ETX
constexpr char LoggerDump = 'C';    // reply: the sets back to back
constexpr char ReadPowerOff = 'B';  // reply: seconds, high byte first
constexpr char KeepPowerOff = 'E';  // the user left the power-off setting alone
constexpr char SetPowerOff = 'A';   // sent as one array: 'A', high byte, low byte

}  // namespace montira::cmd
