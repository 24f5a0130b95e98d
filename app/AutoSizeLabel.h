#pragma once

#include <QLabel>

// A plain-text label that, while automatic sizing is on, takes the size of its text: as wide as
// its longest line and one line height per line. Text wider than the label is cut at its right
// edge.
class AutoSizeLabel : public QLabel {
  public:
    explicit AutoSizeLabel(QWidget* parent = nullptr);

    // Switching it on fits the label to its current text at once.
    void SetAutoSize(bool on);
    void SetCaption(const QString& text);

  private:
    bool autoSize = false;
};
