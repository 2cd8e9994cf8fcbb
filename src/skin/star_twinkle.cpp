#include "skin/star_twinkle.h"

#include "shell/globals.h"

namespace {

struct Placement {
    int big[4][2];
    int small[6][2];
};

// Left and top of every star, per screen.
const Placement kPlacements[] = {
    // Quran page reader
    {{{7, 30}, {116, 35}, {23, 144}, {8, 388}},
     {{73, 20}, {173, 36}, {41, 100}, {12, 211}, {34, 459}, {0, 508}}},
    // supplications
    {{{7, 30}, {116, 35}, {23, 144}, {5, 388}},
     {{73, 20}, {183, 15}, {41, 100}, {12, 211}, {34, 459}, {0, 508}}},
    // topic tree readers
    {{{7, 30}, {116, 35}, {0, 144}, {0, 390}},
     {{73, 20}, {183, 32}, {41, 100}, {12, 211}, {20, 459}, {0, 508}}},
    // book search screens
    {{{7, 30}, {146, 5}, {-2, 144}, {-3, 393}},
     {{93, 20}, {193, 66}, {41, 100}, {5, 220}, {34, 530}, {100, 570}}},
    // Quran search screen
    {{{7, 10}, {70, 260}, {40, 144}, {30, 388}},
     {{90, 0}, {100, 50}, {10, 100}, {5, 220}, {50, 510}, {100, 550}}},
    // occasions of revelation, remembrances, forty hadith, recitation rules
    {{{7, 10}, {50, 55}, {-7, 144}, {-7, 388}},
     {{60, 0}, {100, 15}, {10, 100}, {5, 220}, {10, 510}, {70, 550}}},
    // call to prayer
    {{{0, 10}, {30, 55}, {-7, 144}, {-7, 368}},
     {{80, 0}, {150, 15}, {2, 100}, {5, 220}, {10, 510}, {40, 450}}},
};

}  // namespace

StarTwinkle::StarTwinkle(QWidget* screen) : screen_(screen) {
    for (int i = 0; i < 4; ++i)
        imgstar_big[i] = new platform::ImageControl(screen, QString("imgstar_big%1").arg(i + 1));
    for (int i = 0; i < 6; ++i)
        imgstar_small[i] =
            new platform::ImageControl(screen, QString("imgstar_small%1").arg(i + 1));
    for (platform::ImageControl* star : stars()) {
        star->setAutoSize(true);
        // Decoration: the pointer reaches whatever lies under a star.
        star->setAttribute(Qt::WA_TransparentForMouseEvents);
        star->hide();
    }
    ShrinkTimer = new platform::Timer(screen, 300, false);
    GrowTimer = new platform::Timer(screen, 300, false);
    ShrinkTimer->onTimer = [this] { ShrinkTimerTick(); };
    GrowTimer->onTimer = [this] { GrowTimerTick(); };
}

std::string StarTwinkle::BigPicture(int k) {
    return GraphicDir + "main\\" + std::to_string(LanguageIndex) + "\\script1\\" +
           std::to_string(k) + ".jpg";
}

std::string StarTwinkle::SmallPicture(int k) {
    return GraphicDir + "main\\" + std::to_string(LanguageIndex) + "\\script2\\" +
           std::to_string(k) + ".jpg";
}

void StarTwinkle::StarPlacement(StarLayout layout) {
    const Placement& p = kPlacements[static_cast<int>(layout)];
    for (int i = 0; i < 4; ++i) imgstar_big[i]->move(p.big[i][0], p.big[i][1]);
    for (int i = 0; i < 6; ++i) imgstar_small[i]->move(p.small[i][0], p.small[i][1]);
    // The stars lie just above the background, under the buttons and every
    // other control of the screen.
    for (platform::ImageControl* star : stars()) {
        star->show();
        star->lower();
    }
    if (auto* ground = screen_->findChild<QWidget*>("imgground1", Qt::FindDirectChildrenOnly))
        ground->lower();
    Load([this] {
        for (auto* star : imgstar_big) star->loadPicture(BigPicture(3));
        for (auto* star : imgstar_small) star->loadPicture(SmallPicture(3));
    });
}

std::array<platform::ImageControl*, 10> StarTwinkle::stars() const {
    return {imgstar_big[0],   imgstar_big[1],   imgstar_big[2],   imgstar_big[3],
            imgstar_small[0], imgstar_small[1], imgstar_small[2], imgstar_small[3],
            imgstar_small[4], imgstar_small[5]};
}

void StarTwinkle::Load(const std::function<void()>& loads) {
    try {
        loads();
    } catch (...) {
        // A star picture that cannot be read (the disc is gone, a file is
        // damaged) is reported once; the stars keep what they show and the
        // animation stops rather than try again every tick.
        Stopped = true;
        ShrinkTimer->setEnabled(false);
        GrowTimer->setEnabled(false);
        throw;
    }
}

void StarTwinkle::Start() {
    if (Stopped) return;
    BigStar = platform::random(4) + 1;
    SmallStarA = platform::random(6) + 1;
    do {
        SmallStarB = platform::random(6) + 1;
    } while (SmallStarB == SmallStarA);
    TwinkleStep = 3;
    ShrinkTimer->setEnabled(true);
}

void StarTwinkle::ShowStep() {
    Load([this] {
        imgstar_big[BigStar - 1]->loadPicture(BigPicture(TwinkleStep));
        imgstar_small[SmallStarA - 1]->loadPicture(SmallPicture(TwinkleStep));
        imgstar_small[SmallStarB - 1]->loadPicture(SmallPicture(TwinkleStep));
    });
}

void StarTwinkle::ShrinkTimerTick() {
    if (TwinkleStep >= 2) {
        --TwinkleStep;
        ShowStep();
        return;
    }
    --TwinkleStep;
    imgstar_big[BigStar - 1]->clearPicture();
    imgstar_small[SmallStarA - 1]->clearPicture();
    imgstar_small[SmallStarB - 1]->clearPicture();
    ShrinkTimer->setEnabled(false);
    GrowTimer->setEnabled(true);
}

void StarTwinkle::GrowTimerTick() {
    if (TwinkleStep >= 3) {
        GrowTimer->setEnabled(false);
        Start();
        return;
    }
    ++TwinkleStep;
    ShowStep();
}
