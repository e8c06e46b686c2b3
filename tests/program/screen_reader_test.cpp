// SPDX-License-Identifier: MIT
// A screen-reader user's whole set, as the accessibility bus shows it.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <algorithm>

#include "app/toolkit/current_date.h"
#include "engine/submit.h"
#include "tests/program/whole_program.h"

namespace tarnivo::testing {
namespace {

// What a screen reader finds in a tree that screen_reader_walk.py recorded.
class BusTree {
public:
    explicit BusTree(const QJsonObject& step) {
        for (const QJsonValue window : step["windows"].toArray()) windows_.push_back(window.toObject());
    }
    // The first node with the role and the name, depth first in reading order.
    [[nodiscard]] QJsonObject find(const QString& role, const QString& name) const {
        for (const QJsonObject& window : windows_) {
            if (QJsonObject found = find(window, role, name); !found.isEmpty()) return found;
        }
        return {};
    }
    static QJsonObject find(const QJsonObject& node, const QString& role, const QString& name) {
        if (node["role"] == role && node["name"] == name) return node;
        for (const QJsonValue child : node["children"].toArray()) {
            if (QJsonObject found = find(child.toObject(), role, name); !found.isEmpty()) return found;
        }
        return {};
    }
    // The names of a node's children as a screen reader reads them in turn.
    static std::string read(const QJsonObject& node) {
        QStringList names;
        for (const QJsonValue child : node["children"].toArray()) names << child.toObject()["name"].toString();
        return names.join(" | ").toStdString();
    }
    static bool has(const QJsonObject& node, const QString& state) { return node["states"].toArray().contains(state); }
    // The value read after a caption among a node's children ("Right" then "3").
    static std::string after(const QJsonObject& node, const QString& caption) {
        const QJsonArray children = node["children"].toArray();
        for (qsizetype i = 0; i + 1 < children.size(); ++i) {
            if (children[i].toObject()["name"] == caption)
                return children[i + 1].toObject()["name"].toString().toStdString();
        }
        return "(no " + caption.toStdString() + ")";
    }

private:
    std::vector<QJsonObject> windows_;
};

// Whether a step's events hold one of the type from a source with the role and the name
// (and, when given, read right after `after`).
bool heard(const QJsonObject& step, const QString& type, const QString& role, const QString& name,
           const QString& after = {}) {
    for (const QJsonValue value : step["events"].toArray()) {
        const QJsonObject event = value.toObject();
        if (event["type"] == type && event["role"] == role && event["name"] == name &&
            (after.isEmpty() || event["after"] == after))
            return true;
    }
    return false;
}

std::string problemPhrase(const DrillProblem& problem) {
    const auto& t = problem.termTexts;
    return t[0] + " root " + t[1] + " over " + t[2] + " root " + t[3];
}
std::string keyPhrase(const DrillProblem& problem) {
    const auto& k = problem.keyTexts;
    return k[0] + " root " + k[1] + " over " + k[2];
}

TEST_F(WholeProgram, AScreenReaderUserSignsInAndWorksTheWholeSet) {
    // What the bus showed at each step, kept for a person to read.
    const QString BusRecord = TARNIVO_BUILD_DIR "/screens/screen-reader-walk.json";
    const QString sessionBus = QStandardPaths::findExecutable("dbus-run-session");
    if (sessionBus.isEmpty()) GTEST_SKIP() << "dbus-run-session is missing (dbus): no accessibility bus";
    if (!QFile::exists("/usr/bin/python3")) GTEST_SKIP() << "/usr/bin/python3 is missing: no AT-SPI client";
    std::vector<DrillProblem> problems;
    RandomSource random;  // the program's own sequence, from its start
    QJsonArray keys;
    for (int i = 0; i < 20; ++i) {
        problems.push_back(GenerateProblem(random));
        const auto& k = problems.back().keyTexts;
        keys.append(
            QJsonArray{QString::fromStdString(k[0]), QString::fromStdString(k[1]), QString::fromStdString(k[2])});
    }
    // The walk answers the first problem with the shape "a" and its coefficient, then wrong in
    // the number under the root, then right, then every other problem right; the engine says
    // what the window shows for that.
    Score score;
    const auto submit = [&](int number, const std::array<std::string, 3>& boxes) {
        return Submit(score, boxes, problems[number - 1].keyTexts, std::to_string(number), 20);
    };
    const auto& firstKey = problems[0].keyTexts;
    const SubmitOutcome wrongShape = submit(1, {firstKey[0], "1", "1"});
    const SubmitOutcome wrong = submit(1, {firstKey[0], firstKey[1] + "1", firstKey[2]});
    const SubmitOutcome right = submit(1, firstKey);
    SubmitOutcome last;
    for (int number = 2; number <= 20; ++number) last = submit(number, problems[number - 1].keyTexts);
    const auto verdict = [](bool isRight) { return isRight ? "right" : "wrong"; };
    const auto text = [](const std::optional<std::string>& caption) { return caption.value_or("(none)"); };
    // The line a screen reader speaks wherever the focus is, as the window's notification.
    const auto announced = [](const QJsonObject& step, const std::string& line) {
        return heard(step, "object:state-changed:showing", "notification", QString::fromStdString(line));
    };
    // Where in a step's events the first of the type from the source comes; -1 when none does.
    const auto eventIndex = [](const QJsonObject& step, const QString& type, const QString& role, const QString& name) {
        const QJsonArray events = step["events"].toArray();
        for (qsizetype i = 0; i < events.size(); ++i) {
            const QJsonObject event = events[i].toObject();
            if (event["type"] == type && event["role"] == role && event["name"] == name) return static_cast<int>(i);
        }
        return -1;
    };
    // The controls that gained the focus during a step, in turn.
    const auto focusLandings = [](const QJsonObject& step) {
        std::vector<std::string> landed;
        for (const QJsonValue value : step["events"].toArray()) {
            const QJsonObject event = value.toObject();
            if (event["type"] == "object:state-changed:focused" && event["detail"].toInt() == 1)
                landed.push_back(event["name"].toString().toStdString());
        }
        return landed;
    };
    const auto verdicts = [&](const SubmitOutcome& outcome) {
        return std::string("coefficient ") + verdict(outcome.verdicts[0]) + ", number under the root " +
               verdict(outcome.verdicts[1]) + ", denominator " + verdict(outcome.verdicts[2]);
    };
    const auto scoreLine = [&](const SubmitOutcome& outcome) {
        const auto trimmed = [&](const std::optional<std::string>& caption) {
            return QString::fromStdString(text(caption)).trimmed().toStdString();
        };
        return "Right " + trimmed(outcome.rightText) + ", Total " + trimmed(outcome.totalText) + ", Grade " +
               trimmed(outcome.gradeText);
    };

    QTemporaryDir folder;
    QFile answers(folder.filePath("answers.json"));
    ASSERT_TRUE(answers.open(QIODevice::WriteOnly));
    answers.write(QJsonDocument(keys).toJson());
    answers.close();

    QProcess walk;
    walk.setProcessEnvironment(desktop.environment());
    walk.setProcessChannelMode(QProcess::MergedChannels);
    walk.start(sessionBus, {"--", "/usr/bin/python3", TARNIVO_SOURCE_DIR "/tests/program/screen_reader_walk.py",
                            TARNIVO_BUILD_DIR "/tarnivo", answers.fileName(), BusRecord});
    ASSERT_TRUE(walk.waitForFinished(90000)) << "the walk did not end";
    const std::string output = walk.readAll().toStdString();
    if (walk.exitCode() == 77) GTEST_SKIP() << "No accessibility bus for this test: " << output;
    ASSERT_EQ(walk.exitCode(), 0) << output;
    QFile recorded(BusRecord);
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly));
    const QJsonObject bus = QJsonDocument::fromJson(recorded.readAll()).object();
    const QJsonObject steps = bus["steps"].toObject();

    {
        SCOPED_TRACE("sign in: a dialog whose boxes are named by their captions, read in tab order");
        const BusTree tree(steps["signin"].toObject());
        const QJsonObject dialog = tree.find("dialog", "Please Sign In");
        ASSERT_FALSE(dialog.isEmpty());
        EXPECT_EQ(BusTree::read(dialog),
                  "Please Sign In | Period | Period | #ID or Student ID | #ID or Student ID | "
                  "Name (Last, First) | Name (Last, First) | Teacher | Teacher | OK | Exit");
        for (const QJsonValue child : dialog["children"].toArray()) {
            const QJsonObject node = child.toObject();
            EXPECT_NE(node["role"].toString().toStdString(), "filler") << node["name"].toString().toStdString();
            const QJsonArray extents = node["extents"].toArray();
            EXPECT_GT(extents[2].toInt(), 0) << node["name"].toString().toStdString() << " has no place on screen";
        }
        EXPECT_TRUE(BusTree::has(BusTree::find(dialog, "text", "Period"), "focused"));
        EXPECT_EQ(bus["idle_signin_events"].toInt(), 0) << "the flashing prompt is heard";
        // Each caption names its box, so a screen reader does not read the captions as the
        // dialog's own text when it opens.
        for (const char* caption : {"Period", "#ID or Student ID", "Name (Last, First)", "Teacher"}) {
            EXPECT_EQ(BusTree::find(dialog, "label", caption)["relations"].toArray(),
                      (QJsonArray{QJsonArray{"label-for", caption}}))
                << caption;
        }
        EXPECT_EQ(BusTree::find(dialog, "label", "Please Sign In")["relations"].toArray(), QJsonArray{});
    }
    {
        SCOPED_TRACE("the practice window: frames, labels, boxes, options and buttons, each named once");
        const BusTree tree(steps["signed_in"].toObject());
        const QJsonObject practice = tree.find("frame", "Tarnivo Practice");
        ASSERT_FALSE(practice.isEmpty());
        EXPECT_EQ(
            BusTree::read(practice),
            "Tarnivo Program | Current Problem | 0 | Simplify | Key | Start | Answer | Submit | Next | Right | 0 | "
            "Total | 0 | Grade | 0% | Print Results | Exit | Student Data | ");  // the last: nothing announced yet
        EXPECT_EQ(BusTree::read(tree.find("panel", "Answer")),
                  "coefficient | number under the root | denominator | Wrong shape: |  | Answer shape");
        EXPECT_EQ(BusTree::read(tree.find("panel", "Answer shape")),
                  "a root b over c | root b over c | a over c | a root b | a | root b | 1 over c");
        for (const QJsonValue option : tree.find("panel", "Answer shape")["children"].toArray())
            EXPECT_EQ(option.toObject()["description"].toString().toStdString(), "") << "the shape is said twice";
        const QJsonObject band = tree.find("panel", "Student Data");
        EXPECT_EQ(BusTree::read(band), "3 | 4217 | " + QString::fromStdString(tk::currentDateText()).toStdString() +
                                           " | Lovelace, Ada | Hopper");
        EXPECT_FALSE(BusTree::find(practice, "label", "Current Problem").isEmpty()) << "no static text for the caption";
        EXPECT_TRUE(BusTree::has(tree.find("push button", "Start"), "focused"));
    }
    {
        SCOPED_TRACE("Start: the problem and its key each read as one phrase");
        const QJsonObject step = steps["start"].toObject();
        const BusTree tree(step);
        const QJsonObject simplify = tree.find("panel", "Simplify");
        EXPECT_EQ(simplify["description"].toString().toStdString(), problemPhrase(problems[0]));
        // Review reads the same words one by one: numbers, "root", "over".
        EXPECT_EQ(BusTree::read(simplify),
                  QString::fromStdString(problemPhrase(problems[0])).replace(" ", " | ").toStdString());
        EXPECT_EQ(tree.find("panel", "Key")["description"].toString().toStdString(), keyPhrase(problems[0]));
        EXPECT_TRUE(heard(step, "object:property-change:accessible-description", "panel", "Simplify"));
        EXPECT_TRUE(announced(step, "Problem 1, Simplify " + problemPhrase(problems[0])));
        EXPECT_TRUE(BusTree::has(tree.find("text", "coefficient"), "focused"));
    }
    {
        SCOPED_TRACE("a shape that leaves out wrong parts: the parts are named");
        const QJsonObject step = steps["wrong_shape"].toObject();
        const BusTree tree(step);
        ASSERT_TRUE(wrongShape.verdicts[0] && !wrongShape.verdicts[1] && !wrongShape.verdicts[2])
            << "the first key has no number under the root and no denominator to leave out";
        EXPECT_TRUE(announced(step,
                              "coefficient right, Wrong shape: the answer also has a number under the root and "
                              "a denominator."));
        const QJsonObject answer = tree.find("panel", "Answer");
        EXPECT_TRUE(BusTree::has(BusTree::find(answer, "label", "Wrong shape:"), "showing"));
        EXPECT_FALSE(BusTree::has(tree.find("text", "denominator"), "showing"));
        EXPECT_EQ(BusTree::after(tree.find("frame", "Tarnivo Practice"), "Total"), "0");
    }
    {
        SCOPED_TRACE("a new shape: the emptied boxes say no verdict");
        const BusTree tree(steps["new_shape"].toObject());
        for (const char* box : {"coefficient", "number under the root", "denominator"})
            EXPECT_EQ(tree.find("text", box)["description"].toString().toStdString(), "") << box;
    }
    {
        SCOPED_TRACE("a wrong answer: each box says its verdict");
        const QJsonObject step = steps["wrong"].toObject();
        const BusTree tree(step);
        const std::array<QString, 3> boxes{"coefficient", "number under the root", "denominator"};
        for (std::size_t box = 0; box < boxes.size(); ++box) {
            EXPECT_EQ(tree.find("text", boxes[box])["description"].toString().toStdString(),
                      verdict(wrong.verdicts[box]));
            EXPECT_TRUE(heard(step, "object:property-change:accessible-description", "text", boxes[box]));
        }
        EXPECT_FALSE(wrong.verdicts[1]) << "the walk's wrong answer is marked right by the engine";
        EXPECT_TRUE(announced(step, verdicts(wrong)));
        const QJsonObject practice = tree.find("frame", "Tarnivo Practice");
        EXPECT_EQ(BusTree::after(practice, "Right"), "0");
        EXPECT_EQ(BusTree::after(practice, "Total"), "0");
    }
    {
        SCOPED_TRACE("a right answer: every box right, the new score heard");
        const QJsonObject step = steps["right"].toObject();
        const BusTree tree(step);
        for (const char* box : {"coefficient", "number under the root", "denominator"})
            EXPECT_EQ(tree.find("text", box)["description"].toString().toStdString(), "right") << box;
        const QJsonObject practice = tree.find("frame", "Tarnivo Practice");
        const QString name = "object:property-change:accessible-name";
        for (const auto& [caption, value] :
             {std::pair{"Right", text(right.rightText)}, std::pair{"Total", text(right.totalText)},
              std::pair{"Grade", text(right.gradeText)}}) {
            EXPECT_EQ(BusTree::after(practice, caption), value) << caption;
            EXPECT_TRUE(heard(step, name, "label", QString::fromStdString(value), caption)) << caption << " not heard";
        }
        EXPECT_TRUE(announced(step, verdicts(right) + ", " + scoreLine(right)));
    }
    {
        SCOPED_TRACE("Next: the new problem heard, the verdicts gone");
        const QJsonObject step = steps["next"].toObject();
        const BusTree tree(step);
        EXPECT_EQ(tree.find("panel", "Simplify")["description"].toString().toStdString(), problemPhrase(problems[1]));
        EXPECT_TRUE(heard(step, "object:property-change:accessible-description", "panel", "Simplify"));
        EXPECT_TRUE(heard(step, "object:property-change:accessible-name", "label",
                          QString::fromStdString(problems[1].termTexts[0])));
        EXPECT_TRUE(announced(step, "Problem 2, Simplify " + problemPhrase(problems[1])));
        EXPECT_EQ(tree.find("text", "coefficient")["description"].toString().toStdString(), "");
        EXPECT_EQ(BusTree::after(tree.find("frame", "Tarnivo Practice"), "Current Problem"), "2");
        // One focus move, from Next straight to where the student goes on, which a screen
        // reader speaks; not a burst through the boxes.
        const std::string target = NeedsAnswerForm(problems[1].answerKey) ? "a root b over c" : "coefficient";
        std::vector<std::string> landed = focusLandings(step);
        std::erase(landed, "Next");
        EXPECT_EQ(landed, std::vector<std::string>{target});
        EXPECT_TRUE(BusTree::has(
            tree.find(target == "coefficient" ? "text" : "radio button", QString::fromStdString(target)), "focused"));
        // A screen reader that hears of a change in a box only once the focus is in it takes the box as
        // focused already and never names it: the focus comes first, the emptying after.
        if (target == "coefficient") {
            const QJsonArray events = step["events"].toArray();
            const int focusAt = eventIndex(step, "object:state-changed:focused", "text", "coefficient");
            EXPECT_GE(focusAt, 0) << "no focus event names the box";
            for (int i = 0; i < focusAt; ++i) {
                const QJsonObject event = events[i].toObject();
                EXPECT_FALSE(event["type"].toString().startsWith("object:text-changed") &&
                             event["name"] == "coefficient")
                    << "the box changed before the focus reached it";
            }
        }
    }
    {
        SCOPED_TRACE("the end of the set: the record a screen reader reads");
        const QJsonObject step = steps["end"].toObject();
        const BusTree tree(step);
        const QJsonObject practice = tree.find("frame", "Tarnivo Practice");
        EXPECT_TRUE(BusTree::has(BusTree::find(practice, "label", "Tarnivo Program"), "showing"));
        EXPECT_TRUE(BusTree::has(tree.find("push button", "Print Results"), "showing"));
        for (const char* frame : {"Simplify", "Key", "Answer"})
            EXPECT_FALSE(BusTree::has(tree.find("panel", frame), "showing")) << frame;
        EXPECT_EQ(BusTree::after(practice, "Current Problem"), "20");
        EXPECT_TRUE(last.setComplete);
        EXPECT_EQ(BusTree::after(practice, "Right"), text(last.rightText));
        EXPECT_EQ(BusTree::after(practice, "Total"), text(last.totalText));
        EXPECT_EQ(BusTree::after(practice, "Grade"), text(last.gradeText));
        // The last verdicts, the final score and the end in one line, heard before the
        // focus lands on Print Results.
        const std::string endLine = verdicts(last) + ", " + scoreLine(last) + ", End of the set";
        EXPECT_TRUE(announced(step, endLine));
        const int heardAt =
            eventIndex(step, "object:state-changed:showing", "notification", QString::fromStdString(endLine));
        const int focusAt = eventIndex(step, "object:state-changed:focused", "push button", "Print Results");
        EXPECT_GE(focusAt, 0) << "the focus never landed on Print Results";
        EXPECT_LT(heardAt, focusAt);
        EXPECT_TRUE(BusTree::has(tree.find("push button", "Print Results"), "focused"));
    }
    // A screen reader may still ask after the closed sign-in window's objects for events they sent
    // before it closed (newer AT-SPI clients do); the program must know every other object it named.
    QStringList signInPaths;
    const std::function<void(const QJsonObject&)> collect = [&](const QJsonObject& node) {
        signInPaths << node["path"].toString();
        for (const QJsonValue child : node["children"].toArray()) collect(child.toObject());
    };
    collect(BusTree(steps["signin"].toObject()).find("dialog", "Please Sign In"));
    QStringList errors = bus["stderr"].toString().split('\n', Qt::SkipEmptyParts);
    errors.removeIf([&](const QString& line) {
        const QString path = line.section('"', 1, 1);
        return line.contains("Could not find accessible on path") && signInPaths.contains(path);
    });
    const QString left = errors.join('\n');
    EXPECT_FALSE(left.contains("invalid", Qt::CaseInsensitive) || left.contains("could not find", Qt::CaseInsensitive))
        << left.toStdString();
}

}  // namespace
}  // namespace tarnivo::testing
