#pragma once

#include "desktop.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A Desktop for tests: nothing blocks and nothing leaves the process. Every
// call is recorded in order, and the answers a person or the system would
// give are set beforehand.
class FakeDesktop : public Desktop
{
public:
    struct Process
    {
        QString program;
        QStringList arguments;
    };

    // Answers.
    bool yesNoAnswer = true;
    std::optional<QColor> colourAnswer; // nothing: the chooser is cancelled
    bool openUrlResult = true;
    bool startProcessResult = true;

    // Records.
    QStringList messages;          // texts of message boxes shown
    QStringList questions;         // texts of Yes/No questions asked
    QList<QColor> colourRequests;  // the starting colour of each chooser
    QStringList openedUrls;        // every URL asked for, failed ones too
    QList<Process> processes;      // every start asked for, failed ones too
    QStringList sounds;            // names of the recordings played

    void message(QWidget *, const QString &text) override { messages.append(text); }

    bool askYesNo(QWidget *, const QString &text) override
    {
        questions.append(text);
        return yesNoAnswer;
    }

    std::optional<QColor> chooseColour(QWidget *, const QColor &initial) override
    {
        colourRequests.append(initial);
        return colourAnswer;
    }

    bool openUrl(const QString &url) override
    {
        openedUrls.append(url);
        return openUrlResult;
    }

    bool startProcess(const QString &program, const QStringList &arguments) override
    {
        processes.append({program, arguments});
        return startProcessResult;
    }

    void playSound(const QString &name) override { sounds.append(name); }

    // Forgets the records; the answers stay.
    void clearRecords()
    {
        messages.clear();
        questions.clear();
        colourRequests.clear();
        openedUrls.clear();
        processes.clear();
        sounds.clear();
    }
};
