#include "devotional/unt_tagweed.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <functional>

#include "devotional/tagweed_file.h"
#include "platform/click_label.h"
#include "platform/codepage.h"
#include "platform/guard.h"
#include "platform/media.h"
#include "platform/print.h"
#include "platform/richtext.h"
#include "shell/globals.h"
#include "shell/sections.h"

namespace {
std::vector<ButtonName> ButtonNameTable();
}

QPointer<Tfrm_tagweed> frm_tagweed;

namespace {

constexpr int kFirstOffset = 7;                     // the window shows titles 0..7
constexpr int kLastOffset = kTagweedRuleCount - 1;  // ... up to titles 15..22
constexpr int kFirstExampleButton = 10;

const char* const kRuleTitles[kTagweedRuleCount] = {
    "أحكام الميم الساكنة",
    "أحكام النون الساكنة و التنوين",
    "أحكام النون و الميم المشددتين",
    "أحكام الوقف والابتداء",
    "الإخفاء",
    "الإدغام",
    "الإظهار",
    "الإقلاب",
    "التفخيم والترقيق",
    "التقاء الساكنين",
    "الحرفان المتجانسان",
    "الحرفان المتقاربان",
    "الحرفان المثلان",
    "القلقلة",
    "المد",
    "المد الأصلي",
    "المد الفرعي",
    "لام [أل] المعرفة",
    "لام الحرف",
    "لام الفعل",
    "ملاحظات عامة على المد",
    "همزة القطع",
    "همزة الوصل",
};

/// A rule title: clicked with the mouse, or with Enter or Space when it has
/// the keyboard focus; Up and Down step to the neighbouring title. A frame
/// marks the title that the keyboard reached.
class TitleLabel : public platform::ClickLabel {
  public:
    using platform::ClickLabel::ClickLabel;
    std::function<void(int step)> onStep;

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        const int key = e->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && onClick)
            platform::guarded(onClick);
        else if ((key == Qt::Key_Up || key == Qt::Key_Down) && onStep)
            platform::guarded([this, key] { onStep(key == Qt::Key_Up ? -1 : 1); });
        else
            return QLabel::keyPressEvent(e);
        e->accept();
    }
    void focusInEvent(QFocusEvent* e) override {
        framed_ = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason;
        QLabel::focusInEvent(e);
    }
    void focusOutEvent(QFocusEvent* e) override {
        framed_ = false;
        QLabel::focusOutEvent(e);
    }
    void paintEvent(QPaintEvent* e) override {
        QLabel::paintEvent(e);
        if (!framed_ || !hasFocus()) return;
        QPainter p(this);
        p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }

  private:
    bool framed_ = false;
};

using platform::setTextColour;

QFont titleFont() {
    QFont font("Arabic Transparent");
    font.setPixelSize(16);  // 12 points
    font.setBold(true);
    return font;
}

/// Disc text with its line breaks as the labels and the clipboard expect them.
QString pageText(const std::string& bytes) {
    QString text = platform::toUnicode(bytes);
    text.replace("\r\n", "\n");
    text.replace(u'\r', u'\n');
    return text;
}

}  // namespace

Tfrm_tagweed::Tfrm_tagweed(QWidget* parent) : ReadingScreen(parent) {
    CloseButton = 7;
    TabReachesButtons();
    for (int k = 1; k <= 8; ++k) {
        auto* label = new TitleLabel(this, k == 1 ? QString("label1") : QString("Label%1").arg(k));
        label->setGeometry(523, 102 + (k - 1) * 55, 186, 40);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        label->setLayoutDirection(Qt::RightToLeft);
        label->setFont(titleFont());
        label->setCursor(Qt::PointingHandCursor);
        label->setFocusPolicy(Qt::StrongFocus);
        setTextColour(label, Qt::black);
        label->onClick = [this, k] { label1Click(k); };
        label->onStep = [this, k](int step) {
            if (k + step >= 1 && k + step <= 8)
                Labels[static_cast<size_t>(k + step - 1)]->setFocus(Qt::TabFocusReason);
            else if (step < 0)
                ScrollBack();
            else
                ScrollOn();
        };
        if (k > 1) setTabOrder(Labels[static_cast<size_t>(k - 2)], label);
        Labels[static_cast<size_t>(k - 1)] = label;
    }
    FirstFocus = Labels[0];

    lblsub = new QLabel(this);
    lblsub->setObjectName("lblsub");
    lblsub->setGeometry(131, 97, 335, 425);
    lblsub->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    lblsub->setWordWrap(true);
    lblsub->setTextFormat(Qt::PlainText);  // disc text is never markup
    lblsub->setLayoutDirection(Qt::RightToLeft);
    lblsub->setFont(titleFont());
    setTextColour(lblsub, Qt::blue);

    richtext = new platform::RichTextBox(this, "richtext");
    richtext->setGeometry(131, 97, 335, 425);
    richtext->hide();

    mci1 = new platform::MediaPlayer(this);
    mci1->AutoRewind = false;
}

QString Tfrm_tagweed::RuleTitle(int r) {
    if (r < 1 || r > kTagweedRuleCount) return {};
    return QString::fromUtf8(kRuleTitles[r - 1]);
}

std::string Tfrm_tagweed::ExampleFile(int r, int p, int e) {
    return SoundDir + "tagweed\\" + std::to_string(r) + "-" + std::to_string(p) + "-" +
           std::to_string(e) + ".mp3";
}

void Tfrm_tagweed::formCreate() {
    ButtonNames = ButtonNameTable();
    BuildSkin("tagweed", {3, 4});
    TitleOffset = kFirstOffset;
    ShowTitles();
    EnableButton(1, false);
    EnableButton(2, true);
    StartStars();
    UpdatePageButtons();  // nothing to turn or play until a page is read
    label1Click(1);
}

void Tfrm_tagweed::ShowTitles() {
    for (int k = 1; k <= 8; ++k) {
        QLabel* label = Labels[static_cast<size_t>(k - 1)];
        label->setText(RuleTitle(TitleOffset - kFirstOffset + k));
        setTextColour(label, label->text() == SelectedTitle ? Qt::red : Qt::black);
    }
}

void Tfrm_tagweed::label1Click(int k) {
    mci1->Close();
    const QString caption = Labels[static_cast<size_t>(k - 1)]->text();
    if (caption.isEmpty()) return;
    LoadPage(k + (TitleOffset - kFirstOffset), 1);
    SelectedTitle = caption;
    ShowTitles();
}

void Tfrm_tagweed::LoadPage(int rule, int page) {
    const TagweedPage read = ReadTagweedPage(rule, page);
    Rule = rule;
    RulePage = page;
    RulePageCount = read.pageCount;
    PageExamples = read.exampleCount;
    const QString text = pageText(read.text);
    lblsub->setText(text);
    richtext->setPlainText(text);
    UpdatePageButtons();
}

void Tfrm_tagweed::UpdatePageButtons() {
    EnableButton(5, RulePage < RulePageCount);
    EnableButton(6, RulePage > 1);
    for (int e = 1; e <= kMostTagweedExamples; ++e)
        EnableButton(kFirstExampleButton - 1 + e, e <= PageExamples);
}

void Tfrm_tagweed::ScrollBack() {
    if (TitleOffset <= kFirstOffset) return;
    --TitleOffset;
    ShowTitles();
    EnableButton(1, TitleOffset > kFirstOffset);
    EnableButton(2, true);
}

void Tfrm_tagweed::ScrollOn() {
    if (TitleOffset >= kLastOffset) return;
    ++TitleOffset;
    ShowTitles();
    EnableButton(1, true);
    EnableButton(2, TitleOffset < kLastOffset);
}

void Tfrm_tagweed::TurnPage(int step) {
    mci1->Close();
    const int page = RulePage + step;
    if (Rule == 0 || page < 1 || page > RulePageCount) return;
    LoadPage(Rule, page);
}

void Tfrm_tagweed::PlayExample(int e) {
    if (Rule == 0 || e < 1 || e > PageExamples) return;
    mci1->Close();
    mci1->FileName = ExampleFile(Rule, RulePage, e);
    LastExample = e;
    mci1->Open();
    mci1->Play();
}

bool Tfrm_tagweed::KeyPressed(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_PageDown || key == Qt::Key_PageUp) {
        ClickButton(key == Qt::Key_PageDown ? 5 : 6);
        return true;
    }
    return SkinScreen::KeyPressed(key, modifiers);
}

namespace {
// What a screen reader calls each button, beside what each one does (below).
std::vector<ButtonName> ButtonNameTable() {
    return {
        {1, "Earlier rules", "الأحكام السابقة"},
        {2, "Later rules", "الأحكام التالية"},
        {3, "Unused", "غير مستخدم"},
        {4, "Unused", "غير مستخدم"},
        {5, "Next page", "الصفحة التالية"},
        {6, "Previous page", "الصفحة السابقة"},
        {7, "Back to the main menu", "العودة إلى القائمة الرئيسية"},
        {8, "Print", "طباعة"},
        {9, "Copy", "نسخ"},
        {10, "Example 1", "المثال 1"},
        {11, "Example 2", "المثال 2"},
        {12, "Example 3", "المثال 3"},
        {13, "Example 4", "المثال 4"},
        {14, "Example 5", "المثال 5"},
        {15, "Example 6", "المثال 6"},
        {16, "Example 7", "المثال 7"},
        {17, "Example 8", "المثال 8"},
    };
}
}  // namespace

void Tfrm_tagweed::ButtonClick(int n) {
    QString title = RuleTitle(Rule);
    if (RulePageCount > 1) title += QString(" %1").arg(RulePage);
    switch (n) {
        case 1:
            ScrollBack();
            break;
        case 2:
            ScrollOn();
            break;
        case 5:
            TurnPage(1);
            break;
        case 6:
            TurnPage(-1);
            break;
        case 7:
            BackToMenu();
            break;
        case 8:
            platform::printText(title, richtext->toPlainText(), true);
            break;
        case 9:
            platform::copyToClipboard(richtext->toPlainText());
            break;
        default:
            if (n >= kFirstExampleButton && n < kFirstExampleButton + kMostTagweedExamples)
                PlayExample(n - kFirstExampleButton + 1);
            break;
    }
}

void OpenTagweedSection() {
    Tfrm_tagweed* screen = platform::createForm(frm_tagweed, HubArea());
    screen->showAsChild(HubArea());
}
