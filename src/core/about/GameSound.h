#pragma once

namespace vq::about {

// The game's three sounds. GameOver is played to its end before the game goes on; the others
// play while it goes on.
enum class GameSound { GameOver, HitBar, HitBrick };

// The name the sound is looked up by ("GameOver", "HitBar", "HitBrick").
const char* SoundName(GameSound sound);
inline bool SoundWaits(GameSound sound) { return sound == GameSound::GameOver; }

}  // namespace vq::about
