// sample_disc [--if-stale] [--only STAGE[,STAGE...]] OUTDIR
//
// Builds the sample disc into OUTDIR (OUTDIR/velk_quran/... and the sura
// recordings in OUTDIR itself). The disc is built in OUTDIR.tmp and renamed
// into place at the end, so an interrupted run never leaves a disc that looks
// complete. A stamp file names the generator build and the stages; with
// --if-stale nothing is done when OUTDIR holds the stamp this build would write.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLockFile>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "disc_writer.h"
#include "parallel.h"
#include "stages.h"

namespace disc {

const std::vector<Stage>& allStages() {
    static const std::vector<Stage> stages = {
        {"base", "main menu, settings, about, company, stars, fonts, intro video", addBaseJobs},
        {"quran", "Quran reader: data files, page pictures, sura titles and names, skins",
         addQuranJobs},
        {"commentary", "commentaries and translations, commentary reader, chooser, languages",
         addCommentaryJobs},
        {"search", "the Quran's text, Quran search and remarks screens", addSearchJobs},
        {"books", "hadith, jurisprudence and translated hadith books, their readers and search",
         addBookJobs},
        {"photos", "photos of the slideshows", addPhotoJobs},
        {"readings", "remembrances, occasions of revelation, recitation rules", addReadingJobs},
        {"fourty", "the forty hadith: texts, recordings and skin", addFourtyJobs},
        {"prayer", "supplications and call to prayer: skins and recordings", addPrayerJobs},
        {"recitation", "sura recordings and their timing lists", addRecitationJobs},
    };
    return stages;
}

}  // namespace disc

namespace {

namespace fs = std::filesystem;
using namespace disc;

const char* kStampName = ".sample_disc_stamp";
const char* kBuildingName = ".sample_disc_building";
const int kFormatVersion = 1;  // bump when the disc changes without the generator changing

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The stamp: the disc format, this generator build (its size and time) and the stages.
std::string makeStamp(const std::vector<const Stage*>& stages) {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    std::ostringstream s;
    s << "zafirel sample disc " << kFormatVersion << "\n";
    if (!ec) {
        auto time = fs::last_write_time(self, ec).time_since_epoch().count();
        s << "generator " << fs::file_size(self, ec) << " " << time << "\n";
    }
    s << "stages";
    for (const Stage* st : stages) s << " " << st->name;
    s << "\n";
    return s.str();
}

bool isEmptyFolder(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec) && fs::is_empty(p, ec);
}

int usage(const char* why) {
    std::cerr << "sample_disc: " << why << "\n"
              << "usage: sample_disc [--if-stale] [--only STAGE[,STAGE...]] OUTDIR\nstages:";
    for (const Stage& s : allStages()) std::cerr << "\n  " << s.name << ": " << s.description;
    std::cerr << "\n";
    return 2;
}

int run(int argc, char** argv) {
    bool ifStale = false;
    std::vector<const Stage*> chosen;
    std::string outArg;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--if-stale") {
            ifStale = true;
        } else if (a == "--only" && i + 1 < argc) {
            std::stringstream names(argv[++i]);
            for (std::string name; std::getline(names, name, ',');) {
                const Stage* found = nullptr;
                for (const Stage& s : allStages())
                    if (s.name == name) found = &s;
                if (!found) return usage(("no stage named " + name).c_str());
                chosen.push_back(found);
            }
        } else if (a == "-h" || a == "--help") {
            return usage("builds the sample disc");
        } else if (!a.empty() && a[0] == '-') {
            return usage(("unknown option " + a).c_str());
        } else if (outArg.empty()) {
            outArg = a;
        } else {
            return usage("more than one OUTDIR");
        }
    }
    if (outArg.empty()) return usage("no OUTDIR");
    if (chosen.empty())
        for (const Stage& s : allStages()) chosen.push_back(&s);

    fs::path out = fs::absolute(outArg).lexically_normal();
    if (out.filename().empty()) out = out.parent_path();
    fs::path tmp = out.string() + ".tmp";
    fs::path old = out.string() + ".old";
    std::string stamp = makeStamp(chosen);

    fs::create_directories(out.parent_path());
    QLockFile lock(QString::fromStdString(out.string() + ".lock"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(30 * 60 * 1000)) {
        std::cerr << "sample_disc: another build of " << out << " does not finish\n";
        return 1;
    }
    if (ifStale && readAll(out / kStampName) == stamp) {
        std::cout << "sample_disc: " << out.string() << " is up to date\n";
        return 0;
    }
    // Never replace a folder this tool did not make.
    if (fs::exists(out) && !isEmptyFolder(out) && !fs::exists(out / kStampName)) {
        std::cerr << "sample_disc: " << out
                  << " holds files not made by sample_disc; not replacing it\n";
        return 1;
    }
    for (const fs::path& p : {tmp, old}) {
        if (!fs::exists(p)) continue;
        if (!isEmptyFolder(p) && !fs::exists(p / kBuildingName) && !fs::exists(p / kStampName)) {
            std::cerr << "sample_disc: " << p << " is in the way and was not made by sample_disc\n";
            return 1;
        }
        fs::remove_all(p);
    }
    fs::create_directories(tmp);
    std::ofstream(tmp / kBuildingName) << "incomplete\n";

    DiscWriter writer(tmp);
    QElapsedTimer total;
    total.start();
    std::ostringstream times;
    for (const Stage* stage : chosen) {
        QElapsedTimer clock;
        clock.start();
        std::vector<Job> jobs;
        stage->addJobs(writer, jobs);
        parallelFor(static_cast<int>(jobs.size()), [&](int i) { jobs[i](); });
        char t[64];
        std::snprintf(t, sizeof t, "%s%s %.1f s", times.tellp() ? ", " : "", stage->name.c_str(),
                      clock.elapsed() / 1000.0);
        times << t;
    }
    std::ofstream(tmp / kStampName, std::ios::binary) << stamp;
    fs::remove(tmp / kBuildingName);
    if (fs::exists(out)) fs::rename(out, old);
    fs::rename(tmp, out);
    if (fs::exists(old)) fs::remove_all(old);

    char summary[160];
    std::snprintf(summary, sizeof summary, "%d files, %.1f MB in %.1f s (%s)", writer.files(),
                  writer.bytes() / 1048576.0, total.elapsed() / 1000.0, times.str().c_str());
    std::cout << "sample_disc: built " << out.string() << ": " << summary << "\n";
    return 0;
}

// Qt's warnings (a missing XDG_RUNTIME_DIR and the like) mean nothing for
// pictures drawn off screen; only critical messages are shown.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "sample_disc: " << message.toStdString() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    // The generator draws into pictures only; it never needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    std::signal(SIGPIPE, SIG_IGN);
    QGuiApplication app(argc, argv);
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "sample_disc: " << e.what() << "\n";
        return 1;
    }
}
