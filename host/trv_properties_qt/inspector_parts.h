#pragma once
// The pieces of the inspector's grid that fit any width: option labels, group headers, and the handle that
// moves the split between the labels and the editors.

#include <functional>

#include <QLabel>
#include <QToolButton>

namespace trv::properties::detail {

// The lines a text is shown in within `width`: the whole text when it fits; else two, broken after the last
// blank, hyphen or slash that lets the first fit, the second shortened in the middle with "…" (so texts that
// differ only at their end still read apart); one line shortened in the middle when no break fits.
struct ShownText {
  QString text;  // the lines, joined by line feeds
  bool shortened = false;
};
ShownText shownText(QString const& whole, QFontMetrics const& metrics, int width);

// An option's label. It asks for no width of its own (the grid gives it its column), shows its text as
// shownText does (its height follows its width), the lines chosen in bold, so that a label turning bold moves
// nothing. Its tooltip: the whole text when shortened, then the option's tooltip.
class OptionLabel : public QLabel {
 public:
  OptionLabel(QString const& whole, QWidget* parent);

  QString const& wholeText() const { return whole_; }
  void setExtraTip(QString const& tip);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override;
  int heightForWidth(int width) const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fit();

  QString whole_;
  QString extraTip_;
};

// A group's header, a button that folds the group: its text ends in "…" where the width is short (the whole
// text then in its tooltip), and it never sets the grid's minimum width.
class SectionHeader : public QToolButton {
 public:
  SectionHeader(QString const& whole, QWidget* parent);

  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  int chrome() const;  // the width beside the text: arrow, margins
  QString shown() const;
  void updateTip();

  QString whole_;
};

// A strip over the grid's widget, between the label column and the editors, that the user drags to move
// the split; `moved` receives the new place (in the grid widget's coordinates). It spans the grid's height.
class SplitHandle : public QWidget {
 public:
  SplitHandle(QWidget* grid, std::function<void(int)> moved);

  // Centres the strip on `x`.
  void place(int x);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  std::function<void(int)> moved_;
  int x_ = 0;
};

}  // namespace trv::properties::detail
