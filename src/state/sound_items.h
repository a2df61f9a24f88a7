#pragma once
// The items of the `sounds` wave list ("sound.dxw"), by what the player hears.
// Every place that plays one uses these names; the content generator writes
// the archive in this order. Items 4, 6, 8, 19 and 20 are never played.
#include <cstdint>

namespace fg {

constexpr int32_t kSoundPutt = 0;         // the putter strikes the ball
constexpr int32_t kSoundWall = 1;         // the ball knocks against a wall
constexpr int32_t kSoundLanding = 2;      // the ball lands after a flight
constexpr int32_t kSoundCup = 3;          // the ball drops into a cup or a tunnel
constexpr int32_t kSoundClick = 5;        // the game window's click
constexpr int32_t kSoundTeleport = 7;     // hole start, teleporter, back from the water
constexpr int32_t kSoundLauncher = 9;     // the launcher throws the ball
constexpr int32_t kSoundGameOver = 10;    // played whatever the sound setting
constexpr int32_t kSoundForceField = 11;  // a wall bounce high above the course
constexpr int32_t kSoundExplosion = 12;   // a land mine
constexpr int32_t kSoundSplash = 13;      // the ball falls into water
constexpr int32_t kSoundSwitch = 14;      // a switch is hit
constexpr int32_t kSoundBump1 = 15;       // bumpy ground, the more frequent of two
constexpr int32_t kSoundBump2 = 16;
constexpr int32_t kSoundTunnelExit = 17;  // the ball leaves a tunnel
constexpr int32_t kSoundCompleted = 18;   // the last hole is done; played whatever the sound setting
constexpr int32_t kSoundBonus = 21;       // the bonus stroke is picked up
constexpr int32_t kSoundItemCount = 22;

}  // namespace fg
