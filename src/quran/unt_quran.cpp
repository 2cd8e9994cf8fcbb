#include "quran/unt_quran.h"

#include <QMouseEvent>
#include <QPainter>
#include <cstdio>

#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/paths.h"
#include "platform/richtext.h"
#include "quran/aya_timing.h"
#include "quran/quran_files.h"
#include "quran/unt_remote.h"
#include "quran/unt_soraname.h"
#include "shell/globals.h"
#include "shell/sections.h"
#include "shell/settings.h"

QPointer<Tfrm_quran> frm_quran;

namespace {

std::string threeDigits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3.3d", n);
    return buf;
}

// Buttons of the go-to panel that drive the recitation.
enum PanelButton { kPlay = 2, kPause = 3, kStop = 4, kRepeat1 = 5, kRepeat2 = 6, kRepeat3 = 7 };

// Offset of the page picture inside the page panel.
constexpr int kPageLeft = 49;
constexpr int kPageTop = 33;

}  // namespace

/// A highlight rectangle drawn with a red brush and a merge pen: every pixel
/// of what lies beneath it (the page picture, or the frame around it) is
/// combined with red by bitwise OR, so black print turns red and white paper
/// stays white. It has no mouse action of its own and keeps clicks from the
/// page below.
class AyaHighlight : public QWidget {
  public:
    AyaHighlight(QWidget* panel, const QString& name, platform::ImageControl* frame,
                 platform::ImageControl* page)
        : QWidget(panel), frame_(frame), page_(page) {
        setObjectName(name);
        setCursor(Qt::PointingHandCursor);
        hide();
    }

    /// What the shape shows: the pixels beneath it OR red.
    QImage rendered() const {
        QImage out(size(), QImage::Format_RGB32);
        out.fill(Qt::black);
        QPainter p(&out);
        for (platform::ImageControl* under : {frame_, page_})
            if (!under->picture().isNull() && under->isVisibleTo(parentWidget()))
                p.drawImage(under->pos() - pos(), under->picture());
        p.end();
        for (int y = 0; y < out.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < out.width(); ++x) line[x] |= 0xFFFF0000u;
        }
        return out;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, rendered());
    }
    void mousePressEvent(QMouseEvent* e) override { e->accept(); }
    void mouseReleaseEvent(QMouseEvent* e) override { e->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { e->accept(); }

  private:
    platform::ImageControl* frame_;
    platform::ImageControl* page_;
};

Tfrm_quran::Tfrm_quran(QWidget* parent) : SkinScreen(parent) {
    CloseButton = 3;  // back to the main menu
    // Controls of the screen, bottom to top (imgground1 is the skin's).
    panquran = new QWidget(this);
    panquran->setObjectName("panquran");
    panquran->setGeometry(256, 70, 382, 503);
    imgquran = new platform::ImageControl(panquran, "imgquran");
    imgquran->setAutoSize(true);
    imgquran->move(0, 0);
    imgpage = new platform::ImageControl(panquran, "imgpage");
    imgpage->setAutoSize(true);
    imgpage->setGeometry(kPageLeft, kPageTop, 280, 437);
    imgpage->setCursor(Qt::PointingHandCursor);
    imgpage->onMouseDown = [this](Qt::MouseButton, int x, int y) { HitTestAya(x, y); };
    for (int i = 0; i < 3; ++i)
        shpaya[i] = new AyaHighlight(panquran, QString("shpaya%1").arg(i + 1), imgquran, imgpage);

    imgsoraname = new platform::ImageControl(this, "imgsoraname");
    imgsoraname->setAutoSize(true);
    imgsoraname->move(383, 16);
    imgsoraname->setCursor(Qt::PointingHandCursor);
    imgsoraname->onClick = [this] { OpenSuraIndex(); };

    auto* index = new platform::ImageControl(this, "lblindex");
    index->setGeometry(280, 20, 75, 30);
    index->setCursor(Qt::PointingHandCursor);
    index->onClick = [this] { OpenSuraIndex(); };
    lblindex = index;

    imgscript1 = new platform::ImageControl(this, "imgscript1");
    imgscript1->setAutoSize(true);
    imgscript1->move(634, 0);
    imgscript2 = new platform::ImageControl(this, "imgscript2");
    imgscript2->setAutoSize(true);
    imgscript2->move(42, 188);

    Stars = std::make_unique<StarTwinkle>(this);
    Timer2 = Stars->ShrinkTimer;
    Timer3 = Stars->GrowTimer;

    rich1 = new platform::RichTextBox(this, "rich1");
    rich1->hide();

    mci1 = new platform::MediaPlayer(this);
    mci1->setObjectName("mci1");
    mci1->AutoRewind = false;

    Timer1 = new platform::Timer(this, 500, true);
    Timer1->onTimer = [this] { Timer1Timer(); };
    Timer4 = new platform::Timer(this, 100, true);
    Timer4->onTimer = [this] { Timer4Timer(); };
    Timer6 = new platform::Timer(this, 10, false);
    Timer6->onTimer = [this] { Timer6Timer(); };
}

Tfrm_quran::~Tfrm_quran() = default;

void Tfrm_quran::formCreate() {
    SetSkinFolder("quran");
    PlaceBackground(800, 600);
    ScriptFrame = 1;
    imgscript1->loadPicture(ScriptPicture(1, ScriptFrame));
    imgscript2->loadPicture(ScriptPicture(2, ScriptFrame));
    Stars->StarPlacement(StarLayout::QuranReader);
    Stars->Start();
    BuildButtons(true);
    imgquran->loadPicture(ButtonFolder + "around.jpg");
    FocusedButton = 0;
}

std::string Tfrm_quran::ScriptPicture(int which, int frame) const {
    return ButtonFolder + "script" + std::to_string(which) + "\\" + std::to_string(frame) + ".jpg";
}

void Tfrm_quran::Timer1Timer() {
    ++ScriptFrame;
    const int shown = ScriptFrame;
    if (ScriptFrame >= 3) ScriptFrame = 0;
    imgscript1->loadPicture(ScriptPicture(1, shown));
    imgscript2->loadPicture(ScriptPicture(2, shown));
}

void Tfrm_quran::Timer4Timer() {
    // Off first: a failing first sura must not build the panel again and again.
    Timer4->setEnabled(false);
    Tfrm_remote* remote = platform::createForm(frm_remote, this);
    remote->move(640, 80);
    remote->showAsChild(this);
    LoadSura();
}

// ---- reading position ------------------------------------------------------

void Tfrm_quran::LoadSura() {
    AyaTimesKnown = false;
    int recordSura = 0;
    const int count = ReadSuraAyaCount(CurrentSura, recordSura);
    CurrentSura = (CurrentSura & ~0xFF) | (recordSura & 0xFF);
    SuraAyaCount = count;

    if (ShownSuraTitle != CurrentSura) {
        imgsoraname->loadPicture(ButtonFolder + "sora_name\\" + std::to_string(CurrentSura) +
                                 ".jpg");
        ShownSuraTitle = CurrentSura;
    }

    // A sura without its timing list is still shown; its ayas are not recited
    // (PlayAya), and the error is reported once, here.
    TimingListLoaded = false;
    platform::guarded([this] {
        rich1->loadFromFile(DataDir + "sound\\" + threeDigits(CurrentSura) + ".rtf");
        TimingListLoaded = true;
    });
    ShowAya();
}

void Tfrm_quran::ShowAya() {
    AyaTimesKnown = false;
    HideHighlight();
    LocateAya();
    LookUpPart();
    ShowPositionOnPanel();
    PlayAya();
    UpdatePanelButtons();
}

void Tfrm_quran::ShowNextAya() {
    AyaTimesKnown = false;
    HideHighlight();
    LocateAya();
    LookUpPart();
    ShowPositionOnPanel();
    ShowTransport(true);
    ComputeAyaTimes();
    UpdatePanelButtons();
}

void Tfrm_quran::LookUpPart() {
    CurrentPart = ReadAyaPart(CurrentSura, CurrentAya);
}

void Tfrm_quran::GoToPart(int n) {
    int sura = 0, aya = 0;
    if (!FindFirstAyaOfPart(n, sura, aya)) return;
    CurrentSura = sura;
    CurrentAya = aya;
    LoadSura();
}

void Tfrm_quran::GoToPage() {
    int sura = 0, aya = 0;
    if (!FindFirstAyaOfPage(CurrentPage, sura, aya)) return;
    LoadPage(CurrentPage);
    CurrentSura = sura;
    CurrentAya = aya;
    LoadSura();
}

void Tfrm_quran::SavePosition() {
    SaveReadingPosition();
}

void Tfrm_quran::HideHighlight() {
    for (QWidget* shape : shpaya) shape->hide();
}

void Tfrm_quran::ShowPositionOnPanel() {
    if (frm_remote) frm_remote->ShowPosition();
}

void Tfrm_quran::UpdatePanelButtons() {
    if (frm_remote) frm_remote->UpdateNavigationButtons();
    UpdateRepeatButtons();
}

void Tfrm_quran::LoadPage(int page) {
    // A missing page picture is reported, and the page area is left empty
    // rather than showing the previous page under this page's marks; the aya
    // is still marked and recited.
    platform::guarded([this, page] {
        try {
            imgpage->loadPicture(GraphicDir + "quran_pic\\" + std::to_string(page) + ".jpg");
        } catch (...) {
            imgpage->clearPicture();
            throw;
        }
    });
}

// ---- aya map -----------------------------------------------------------------

void Tfrm_quran::LocateAya() {
    AyaLocation where;
    if (!LocateAyaSegments(CurrentSura, CurrentAya, where)) return;
    if (where.page != CurrentPage) {
        CurrentPage = where.page;
        LoadPage(CurrentPage);
    }
    for (int i = 0; i < where.count && i < 3; ++i) {
        const AyaSegment& s = where.segments[i];
        shpaya[i]->setGeometry(s.left + imgpage->x(), s.top + imgpage->y(), s.width, s.height);
        shpaya[i]->show();
        shpaya[i]->raise();
        shpaya[i]->update();
    }
}

void Tfrm_quran::HitTestAya(int x, int y) {
    int sura = 0, aya = 0;
    if (!HitTestAyaRecord(CurrentSura, CurrentPage, x, y, sura, aya)) return;
    CurrentSura = sura;
    CurrentAya = aya;
    LoadSura();
}

// ---- recitation --------------------------------------------------------------

std::string Tfrm_quran::RecordingFile(int sura) {
    return platform::programDrive() + threeDigits(sura) + ".mp3";
}

void Tfrm_quran::ComputeAyaTimes() {
    AyaTimesKnown = false;
    const AyaTimes times =
        ::ComputeAyaTimes(rich1->plainLines(), CurrentAya, SuraAyaCount, mci1->Length());
    AyaStartMs = times.startMs;
    AyaEndMs = times.endMs;
    AyaTimesKnown = true;
    RecitationHalted = false;
}

void Tfrm_quran::PlayAya() {
    AyaTimesKnown = false;
    ShowTransport(true);
    // The watch runs from here on, so that it also halts an aya that fails below.
    Timer6->setEnabled(true);
    mci1->Close();
    if (!TimingListLoaded) return;
    mci1->FileName = RecordingFile(CurrentSura);
    mci1->Open();
    mci1->Notify = true;
    ComputeAyaTimes();
    mci1->setStartPos(AyaStartMs);
    mci1->Play();
}

void Tfrm_quran::Timer6Timer() {
    if (!AyaTimesKnown) {
        // The aya shown has no recitation (its recording or timing could not be
        // read): nothing plays until another aya is shown.
        if (!RecitationHalted) {
            RecitationHalted = true;
            mci1->Close();
            ShowTransport(false);
        }
        return;
    }
    if (mci1->Position() >= AyaEndMs) {
        ++RepeatDone;
        AyaFinished();
    }
}

void Tfrm_quran::AyaFinished() {
    if (RepeatDone < RepeatCount) {
        PlayAya();
        return;
    }
    RepeatDone = 0;
    if (CurrentAya < SuraAyaCount) {
        ++CurrentAya;
        ShowNextAya();
    } else if (CurrentSura < 114) {
        ++CurrentSura;
        CurrentAya = 1;
        LoadSura();
    } else {
        ShowTransport(false);
    }
}

void Tfrm_quran::ShowTransport(bool playing) {
    if (!frm_remote) return;
    frm_remote->EnableButton(kPlay, !playing);
    frm_remote->EnableButton(kPause, playing);
    frm_remote->EnableButton(kStop, playing);
}

void Tfrm_quran::UpdateRepeatButtons() {
    if (!frm_remote || RepeatCount < 1 || RepeatCount > 3) return;
    frm_remote->EnableButton(kRepeat1, RepeatCount != 1);
    frm_remote->EnableButton(kRepeat2, RepeatCount != 2);
    frm_remote->EnableButton(kRepeat3, RepeatCount != 3);
}

void Tfrm_quran::PlayButton() {
    ShowTransport(true);
    mci1->Play();
}

void Tfrm_quran::PauseButton() {
    ShowTransport(false);
    mci1->Pause();
}

void Tfrm_quran::StopButton() {
    ShowTransport(false);
    mci1->Stop();
    mci1->setPosition(0);
}

void Tfrm_quran::RepeatButton(int count) {
    RepeatCount = count;
}

// ---- leaving and the sura index ------------------------------------------------

void Tfrm_quran::OpenSuraIndex() {
    SuraIndexCaller = 1;
    platform::createForm(frm_soraname)->showModal();
}

void Tfrm_quran::ButtonClick(int n) {
    switch (n) {
        // A position that cannot be saved is reported; the viewer is left anyway.
        case 1:
            platform::guarded([this] { SavePosition(); });
            Timer6->setEnabled(false);
            platform::terminateApplication();
            break;
        case 2:
            if (QWidget* hub = window()) hub->showMinimized();
            break;
        case 3:
            platform::guarded([this] { SavePosition(); });
            Timer6->setEnabled(false);
            mci1->Close();
            closeForm();
            ShowMainMenu();
            break;
        default:
            break;
    }
}

void OpenQuranSection() {
    Tfrm_quran* viewer = platform::createForm(frm_quran, HubArea());
    viewer->showAsChild(HubArea());
}
