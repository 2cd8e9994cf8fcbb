#include "quran/unt_remark.h"

#include "platform/error.h"
#include "platform/guard.h"
#include "platform/string_grid.h"
#include "quran/quran_files.h"
#include "quran/remarks_file.h"
#include "quran/sura_names.h"
#include "quran/unt_quran.h"
#include "shell/globals.h"
#include "shell/sections.h"

namespace {
std::vector<ButtonName> ButtonNameTable();
}

QPointer<Tfrm_remark> frm_remark;

namespace {

/// The aya a remark names; raises an error for values that are no number or
/// name no aya of the Quran, so that nothing is read outside the data files.
void CheckRemarkedAya(int remark, int sura, int aya) {
    if (IsQuranAya(sura, aya)) return;
    throw platform::PlatformError("Remark " + std::to_string(remark) + " (sura " +
                                  std::to_string(sura) + ", aya " + std::to_string(aya) +
                                  ") is not an aya of the Quran.");
}

}  // namespace

Tfrm_remark::Tfrm_remark(QWidget* parent) : SkinScreen(parent) {
    CloseButton = 1;
    TabReachesButtons();
    grdresult = new platform::StringGrid(this, "grdresult", 3);
    grdresult->setGeometry(168, 112, 477, 304);
    grdresult->SetColWidths({40, 246, 192});
    grdresult->SetRowHeights(24, 24);
    grdresult->SetCellColour(QColor(225, 211, 166));
    grdresult->setLayoutDirection(Qt::RightToLeft);
    grdresult->onEnter = [this] { OpenSelectedRemark(); };
    grdresult->onKey = [this](int key) {
        if (key != Qt::Key_Delete) return false;
        DeleteRemark();
        return true;
    };
    FirstFocus = grdresult;
}

void Tfrm_remark::formCreate() {
    ButtonNames = ButtonNameTable();
    SetSkinFolder("remark");
    PlaceBackground(800, 600);
    BuildButtons(true);
    FocusedButton = 0;
    LoadRemarks();
}

void Tfrm_remark::LoadRemarks() {
    QFont font("Simplified Arabic");
    font.setPixelSize(16);  // 12 points
    font.setBold(true);
    grdresult->setFont(font);
    grdresult->Clear();
    lstindex1.clear();
    lstindex2.clear();
    RemarkCount = 0;

    const std::vector<StoredRemark> remarks = ReadRemarks();
    RemarkCount = static_cast<int>(remarks.size());
    if (remarks.empty()) return;
    const SuraNamesFile names;
    grdresult->SetRowCount(RemarkCount + 1);
    for (int i = 1; i <= RemarkCount; ++i) {
        const StoredRemark& r = remarks[static_cast<size_t>(i - 1)];
        grdresult->SetCell(0, i, QString::number(i));
        grdresult->SetCell(1, i, names.Name(r.sura));
        grdresult->SetCell(2, i, QString::fromStdString(r.aya));
        lstindex1.push_back(r.sura);
        lstindex2.push_back(r.aya);
    }
}

void Tfrm_remark::OpenSelectedRemark() {
    if (grdresult->Cell(0, 1).isEmpty()) return;
    const size_t k = static_cast<size_t>(grdresult->Row() - 1);
    if (k >= lstindex1.size()) return;
    const std::string n = std::to_string(k + 1);
    const int sura = RemarkNumber(lstindex1[k], "sora" + n);
    const int aya = RemarkNumber(lstindex2[k], "aya" + n);
    CheckRemarkedAya(static_cast<int>(k + 1), sura, aya);
    CurrentSura = sura;
    CurrentAya = aya;
    CurrentPart = 0;
    CurrentPage = 0;
    CommentaryIndex = 1;
    RepeatDone = 0;
    RepeatCount = 1;
    closeForm();
    OpenQuranSection();
}

void Tfrm_remark::DeleteRemark() {
    if (grdresult->Cell(0, 1).isEmpty()) return;
    const size_t k = static_cast<size_t>(grdresult->Row() - 1);
    if (k >= lstindex1.size()) return;
    lstindex1.erase(lstindex1.begin() + static_cast<std::ptrdiff_t>(k));
    lstindex2.erase(lstindex2.begin() + static_cast<std::ptrdiff_t>(k));
    RemarkCount = RemarkCount - 1;
    std::vector<StoredRemark> remaining;
    for (size_t i = 0; i < lstindex1.size(); ++i) remaining.push_back({lstindex1[i], lstindex2[i]});
    try {
        WriteRemarksAfterRemoval(remaining, k);
    } catch (...) {
        // The grid shows what the file holds, also after a failed write.
        platform::guarded([this] { LoadRemarks(); });
        throw;
    }
    if (RemarkCount == 0)
        BackToMenu();
    else
        LoadRemarks();
}

void Tfrm_remark::BackToMenu() {
    closeForm();
    ShowMainMenu();
}

namespace {
// What a screen reader calls each button, beside what each one does (below).
std::vector<ButtonName> ButtonNameTable() {
    return {
        {1, "Back to the main menu", "العودة إلى القائمة الرئيسية"},
        {2, "Open in the Quran", "افتح في المصحف"},
        {3, "Delete the remark", "حذف الملاحظة"},
    };
}
}  // namespace

void Tfrm_remark::ButtonClick(int n) {
    switch (n) {
        case 1:
            BackToMenu();
            break;
        case 2:
            OpenSelectedRemark();
            break;
        case 3:
            DeleteRemark();
            break;
        default:
            break;
    }
}

void OpenRemarkSection() {
    Tfrm_remark* remarks = platform::createForm(frm_remark, HubArea());
    remarks->showAsChild(HubArea());
}
