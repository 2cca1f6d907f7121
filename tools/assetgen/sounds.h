// The game's sounds, one function each; every one returns a finished buffer
// (DC removed, faded at both ends, normalised to about -1 dBFS).
#pragma once

#include "synth.h"

namespace assetgen::sounds {

// Places to go on a date.
Buffer dinner();
Buffer beach();
Buffer bowling();
Buffer carnival();
Buffer play();
Buffer club();
Buffer pub();
Buffer rock();
Buffer birds();
// Seven film cues.
Buffer movieSuspense();
Buffer movieRomance();
Buffer movieAction();
Buffer movieHorror();
Buffer movieComedy();
Buffer movieSciFi();
Buffer movieFanfare();
// People and things.
Buffer laugh();
Buffer money();
Buffer hangUp();
Buffer cashRegister();
Buffer humpf();
Buffer phoneRing();
Buffer doorbell();
Buffer car();
Buffer sigh(bool male);
Buffer siren();
Buffer found();
Buffer meow();
Buffer kiss();

} // namespace assetgen::sounds
