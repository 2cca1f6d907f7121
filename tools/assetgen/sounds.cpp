#include "sounds.h"
#include "assets.h"

namespace assetgen {

std::vector<SoundAsset> soundAssets() {
    using namespace sounds;
    return {
        {"dinner.wav", dinner},
        {"beach.wav", beach},
        {"bowling.wav", bowling},
        {"carnival.wav", carnival},
        {"play.wav", play},
        {"club.wav", club},
        {"pub.wav", pub},
        {"rock.wav", rock},
        {"birds.wav", birds},
        {"movie1.wav", movieSuspense},
        {"movie2.wav", movieRomance},
        {"movie3.wav", movieAction},
        {"movie4.wav", movieHorror},
        {"movie5.wav", movieComedy},
        {"movie6.wav", movieSciFi},
        {"movie7.wav", movieFanfare},
        {"laff.wav", laugh},
        {"money.wav", money},
        {"phoned.wav", hangUp},
        {"cashrg.wav", cashRegister},
        {"humpf.wav", humpf},
        {"phonet.wav", phoneRing},
        {"doorbell.wav", doorbell},
        {"car.wav", car},
        {"sigh.wav", [] { return sigh(false); }},
        {"police.wav", siren},
        {"found.wav", found},
        {"cat.wav", meow},
        {"kiss.wav", kiss},
        {"sigh_m.wav", [] { return sigh(true); }},
    };
}

} // namespace assetgen
