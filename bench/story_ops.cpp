// Submit and New on both story windows, through their real handlers on real windows.
//
//   yarno_bench_story [--cycles N]
//
// Each cycle fills in fresh answers (not measured, and different every cycle, so Submit really
// changes every slot), clicks Submit, then chooses New. Each operation is measured in two parts:
// the handler itself (the click or the menu trigger returning) and the work it leaves to the event
// loop (layout and repaint of the window). Prints the median of each part in microseconds.
//
// Under valgrind --tool=callgrind --collect-atstart=no the same program collects only inside one
// part at a time and dumps a profile named after it (e.g. "sport-submit-handler") after
// N operations, so a dump's total divided by N is the instructions per operation. A first dump,
// "startup", holds the program's own start-up once QApplication exists: the session, and Form1
// built, shown and painted.

#include <QAction>
#include <QApplication>
#include <QPushButton>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define RUNNING_ON_VALGRIND 0
#define CALLGRIND_TOGGLE_COLLECT
#define CALLGRIND_DUMP_STATS_AT(name)
#endif

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/project.h"
#include "app/session.h"
#include "ui/form.h"
#include "ui/qt/application.h"
#include "ui/qt/qt_backend.h"

namespace {

struct Story {
    const char* name;
    std::string_view window;
    std::string_view newItem;
};

constexpr Story kStories[] = {
    {"sport", "Form1", "mNew"},
    {"lottery", "Form3", "new"},
};

enum Part { SubmitHandler, SubmitRepaint, NewHandler, NewRepaint, kParts };
constexpr std::array<const char*, kParts> kPartNames = {"submit-handler", "submit-repaint", "new-handler", "new-repaint"};

using Clock = std::chrono::steady_clock;

QString qstr(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Runs what an operation left to the event loop: the posted events first, which ask for the
// window's repaint, then the repaint itself.
void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void fillAnswers(ui::Form& form, int cycle)
{
    static const char* const kAnswers[] = {"Robin", "cricket", "the Wanderers", "a teapot", "left elbow", "turnip"};
    for (int i = 0; i < 6; ++i) {
        form.setText("Text" + std::to_string(i + 1), std::string(kAnswers[i]) + " " + std::to_string(cycle));
    }
    settle();
}

class StoryWindow {
public:
    StoryWindow(ui::Form& form, const Story& story)
        : form_(form)
        , submit_(ui::qt::windowOf(form)->findChild<QPushButton*>(QStringLiteral("Command1")))
        , newItem_(ui::qt::windowOf(form)->findChild<QAction*>(qstr(story.newItem)))
    {
        if (submit_ == nullptr || newItem_ == nullptr) {
            std::fprintf(stderr, "yarno_bench_story: %s lacks Command1 or its New item\n", story.name);
            std::exit(2);
        }
    }

    // One cycle; collect names the one part callgrind should count, or kParts for none.
    std::array<double, kParts> cycle(int number, int collect)
    {
        std::array<double, kParts> micros{};
        fillAnswers(form_, number);
        const auto measure = [&](Part part, auto&& operation) {
            if (part == collect)
                CALLGRIND_TOGGLE_COLLECT;
            const auto start = Clock::now();
            operation();
            const auto end = Clock::now();
            if (part == collect)
                CALLGRIND_TOGGLE_COLLECT;
            micros[part] = std::chrono::duration<double, std::micro>(end - start).count();
        };
        measure(SubmitHandler, [&] { submit_->click(); });
        measure(SubmitRepaint, settle);
        measure(NewHandler, [&] { newItem_->trigger(); });
        measure(NewRepaint, settle);
        return micros;
    }

private:
    ui::Form& form_;
    QPushButton* submit_;
    QAction* newItem_;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool underCallgrind = RUNNING_ON_VALGRIND != 0;
    int cycles = underCallgrind ? 10 : 300;
    if (argc == 3 && std::string_view(argv[1]) == "--cycles")
        cycles = std::max(1, std::atoi(argv[2]));
    else if (argc != 1) {
        std::fprintf(stderr, "usage: yarno_bench_story [--cycles N]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt holds a window's repaint back for 5 ms after the request; without that wait the repaint
    // an operation causes happens in the settle() after it, where it is counted.
    qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");

    QApplication application(argc, argv);

    // The program's own start-up, after the toolkit's: the session, Form1 built, shown and painted.
    CALLGRIND_TOGGLE_COLLECT;
    ui::qt::QtBackend backend(ui::qt::kIconPath);
    app::Session session(app::kProject, backend);
    session.start();
    settle();
    CALLGRIND_TOGGLE_COLLECT;
    CALLGRIND_DUMP_STATS_AT("startup");

    std::string builtAtStart;
    for (const char* window : {"Form1", "Form2", "Form3"}) {
        if (session.registry().loaded(window) != nullptr)
            builtAtStart += builtAtStart.empty() ? window : std::string(" ") + window;
    }
    std::printf("part\tmedian_us\n");
    std::printf("qt\t%s\n", qVersion());
    std::printf("built-at-start\t%s\n", builtAtStart.c_str());

    for (const Story& story : kStories) {
        ui::Form& form = session.registry().reference(story.window);
        if (!form.isVisible())
            form.show();
        settle();
        StoryWindow window(form, story);
        for (int i = 0; i < 5; ++i)  // first-use costs: glyphs, caches
            window.cycle(-1 - i, kParts);

        if (underCallgrind) {
            for (int part = 0; part < kParts; ++part) {
                for (int i = 0; i < cycles; ++i)
                    window.cycle(i, part);
                const std::string name = std::string(story.name) + "-" + kPartNames[std::size_t(part)];
                CALLGRIND_DUMP_STATS_AT(name.c_str());
            }
            std::printf("%s\tdumped %d operations per part\n", story.name, cycles);
            continue;
        }
        std::array<std::vector<double>, kParts> samples;
        for (int i = 0; i < cycles; ++i) {
            const auto micros = window.cycle(i, kParts);
            for (int part = 0; part < kParts; ++part)
                samples[std::size_t(part)].push_back(micros[std::size_t(part)]);
        }
        for (int part = 0; part < kParts; ++part)
            std::printf("%s-%s\t%.1f\n", story.name, kPartNames[std::size_t(part)], median(samples[std::size_t(part)]));
    }
    return 0;
}
