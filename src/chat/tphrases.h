#pragma once

#include "gamewindow.h"

#include <array>
#include <functional>

class QLineEdit;

// The phrase editor: nine boxes for the phrase buttons' texts. Done hands
// the texts to onDone, which applies and stores them; closing the editor any
// other way drops the edits, since every opening fills the boxes afresh.
class Tphrases : public GameWindow
{
    Q_OBJECT
public:
    static constexpr int Count = 9;
    static constexpr int MaxLength = 50;

    explicit Tphrases(QWidget *mainWindow = nullptr);

    // Box n (phrase1 to phrase9) gets phrase n; the editor shows, not modal.
    void open(const std::array<QString, Count> &phrases);

    // Gets the nine texts when Done is pressed; returns false when they
    // could not be stored, and the editor then stays open.
    std::function<bool(const std::array<QString, Count> &texts)> onDone;
    void button_doneClick();

    QLineEdit *box(int n) const { return m_boxes.at(n - 1); }

private:
    std::array<QLineEdit *, Count> m_boxes{};
};
