#include "desktop/prayer_call.h"

#include <algorithm>

#include "desktop/prayer_times.h"
#include "desktop/preferences.h"
#include "desktop/texts.h"
#include "devotional/unt_azan.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "platform/notify.h"
#include "quran/unt_quran.h"
#include "quran/unt_tafseer.h"
#include "shell/globals.h"

namespace desktop {

namespace {

// The reader whose recitation plays now, if any.
ReaderCore* reciting() {
    if (frm_quran && frm_quran->Core && frm_quran->Core->Playing()) return frm_quran->Core.get();
    if (frm_tafseer && frm_tafseer->Core && frm_tafseer->Core->Playing())
        return frm_tafseer->Core.get();
    return nullptr;
}

}  // namespace

PrayerCall::PrayerCall(Preferences& prefs, std::function<QDateTime()> now, QObject* owner)
    : QObject(owner), prefs_(prefs), now_(std::move(now)) {
    timer_ = new platform::Timer(this, 1000, true);
    timer_->onTimer = [this] { check(); };
}

PrayerCall::~PrayerCall() = default;

void PrayerCall::check() {
    const QDateTime now = now_();
    const QDateTime since = lastLook_.isValid() ? lastLook_ : now;
    lastLook_ = now;
    const auto place = prayer::placeFrom(prefs_);
    if (!place || !prefs_.value(kOn, false).toBool()) return;
    const auto due = prayer::next(*place, prayer::optionsFrom(prefs_), since);
    // A clock set far back or forward plays nothing for the prayers it jumped.
    if (!due || due->at > now || due->at.secsTo(now) > 60) return;
    if (ReaderCore* reader = reciting()) {
        if (!prefs_.value(kPauseRecitation, false).toBool()) {
            ++leftOut;
            return;
        }
        reader->Pause();
    }
    const QString name = prayer::timeName(due->time, arabic());
    platform::notifyDesktop(
        prayer::timeName(due->time, arabic()),
        QString::fromUtf8(arabic() ? "حان وقت صلاة %1 (%2)" : "Time for %1 (%2)")
            .arg(name, due->at.toString("HH:mm")));
    play(std::clamp(prefs_.value(kCall, 1).toInt(), 1, 7));
}

void PrayerCall::play(int call) {
    if (!player) player = std::make_unique<platform::MediaPlayer>();
    supplicationDone_ = false;
    player->OnNotify = [this] {
        if (!player->PlayedToEnd() || supplicationDone_ || SettingDoaa != 0) return;
        supplicationDone_ = true;
        player->FileName = Tfrm_azan::SupplicationFile();
        player->Open();
        player->Play();
    };
    ++played;
    player->FileName = Tfrm_azan::CallFile(call);
    player->Open();
    player->Play();
}

}  // namespace desktop
