// The photos: the 138 of the Quran photo screen and the supplications, the
// resting picture of the supplications' round show, and the three photo sets
// of the call to prayer.
#include "photo_art.h"
#include "stages.h"

namespace disc {

namespace {

constexpr int kPhotoCount = 138;
/// The call to prayer's photo sets and their sizes.
constexpr int kSetSizes[3] = {15, 10, 15};

// Each set keeps to one kind of picture: mosques at every hour, night skies,
// and views through an arcade.
PhotoLook setLook(int set, int k) {
    PhotoLook look = photoLook(k);
    if (set == 1) look.subject = PhotoLook::Mosque;
    if (set == 2) look.sky = k % 2 ? PhotoLook::Night : PhotoLook::Dusk;
    if (set == 3) look.subject = PhotoLook::Arcade;
    return look;
}

}  // namespace

void addPhotoJobs(DiscWriter& out, std::vector<Job>& jobs) {
    const std::string photos = kGraphic + "photos\\";
    for (int first = 1; first <= kPhotoCount; first += 6)
        jobs.push_back([&out, photos, first] {
            for (int n = first; n < first + 6 && n <= kPhotoCount; ++n)
                out.writeJpeg(photos + std::to_string(n) + ".jpg",
                              scenePhoto(photoLook(n), n, n, "Photo"), 85);
        });
    for (int set = 1; set <= 3; ++set)
        jobs.push_back([&out, set] {
            for (int k = 1; k <= kSetSizes[set - 1]; ++k)
                out.writeJpeg(
                    kGraphic + "islamic\\" + std::to_string(set) + "\\" + std::to_string(k) +
                        ".jpg",
                    scenePhoto(setLook(set, k), 1000 * set + k, k, QString("Set %1").arg(set)), 85);
        });
    jobs.push_back(
        [&out, photos] { out.writeJpeg(photos + "doaa.jpg", supplicationBackdrop(), 90); });
}

}  // namespace disc
