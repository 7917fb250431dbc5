#include "host/trv_properties_qt/inspector_parts.h"

#include <utility>

#include <QEvent>
#include <QMouseEvent>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace trv::properties::detail {
namespace {

QFontMetrics boldMetrics(QFont font) {
  font.setBold(true);
  return QFontMetrics(font);
}

// The least width that shows the start of a text: two letters and "…".
int leastWidth(QFontMetrics const& metrics) {
  return metrics.horizontalAdvance(QStringLiteral("Mm…"));
}

}  // namespace

ShownText shownText(QString const& whole, QFontMetrics const& metrics, int width) {
  if (metrics.horizontalAdvance(whole) <= width) return {whole, false};
  int firstEnd = -1;  // the first line: whole.left(firstEnd)
  for (int i = 0; i < whole.size(); ++i) {
    QChar const c = whole[i];
    int const end = c == QLatin1Char(' ') ? i : (c == QLatin1Char('-') || c == QLatin1Char('/')) ? i + 1 : -1;
    if (end <= 0) continue;
    if (metrics.horizontalAdvance(whole.left(end)) > width) break;
    firstEnd = end;
  }
  if (firstEnd < 0) return {metrics.elidedText(whole, Qt::ElideMiddle, width), true};
  QString const rest = whole.mid(firstEnd).trimmed();
  QString const second = metrics.elidedText(rest, Qt::ElideMiddle, width);
  return {whole.left(firstEnd) + QLatin1Char('\n') + second, second != rest};
}

OptionLabel::OptionLabel(QString const& whole, QWidget* parent) : QLabel(whole, parent), whole_(whole) {
  setAccessibleName(whole);
  QSizePolicy policy = sizePolicy();
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
}

void OptionLabel::setExtraTip(QString const& tip) {
  extraTip_ = tip;
  fit();
}

QSize OptionLabel::sizeHint() const {
  return minimumSizeHint();
}

QSize OptionLabel::minimumSizeHint() const {
  int const margins = contentsMargins().left() + contentsMargins().right();
  return {leastWidth(fontMetrics()) + margins, QLabel::sizeHint().height()};
}

bool OptionLabel::hasHeightForWidth() const {
  return true;
}

int OptionLabel::heightForWidth(int width) const {
  QMargins const margins = contentsMargins();
  QString const lines = shownText(whole_, boldMetrics(font()), width - margins.left() - margins.right()).text;
  return fontMetrics().boundingRect(QRect(0, 0, width, 1 << 16), Qt::AlignLeft, lines).height() +
         margins.top() + margins.bottom();
}

void OptionLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  fit();
}

void OptionLabel::fit() {
  ShownText const shown = shownText(whole_, boldMetrics(font()), contentsRect().width());
  if (text() != shown.text) setText(shown.text);
  if (!shown.shortened)
    setToolTip(extraTip_);
  else
    setToolTip(extraTip_.isEmpty() ? whole_ : whole_ + QLatin1Char('\n') + extraTip_);
}

SectionHeader::SectionHeader(QString const& whole, QWidget* parent) : QToolButton(parent), whole_(whole) {
  setText(whole);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);  // a tool button's is fixed at its whole text
}

int SectionHeader::chrome() const {
  return QToolButton::sizeHint().width() - fontMetrics().horizontalAdvance(whole_);
}

QSize SectionHeader::minimumSizeHint() const {
  return {chrome() + leastWidth(fontMetrics()), QToolButton::sizeHint().height()};
}

QString SectionHeader::shown() const {
  int const room = width() - chrome();
  return fontMetrics().horizontalAdvance(whole_) <= room
             ? whole_
             : fontMetrics().elidedText(whole_, Qt::ElideRight, room);
}

void SectionHeader::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionToolButton option;
  initStyleOption(&option);
  option.text = shown();
  painter.drawComplexControl(QStyle::CC_ToolButton, option);
}

void SectionHeader::resizeEvent(QResizeEvent* event) {
  QToolButton::resizeEvent(event);
  updateTip();
}

void SectionHeader::changeEvent(QEvent* event) {
  QToolButton::changeEvent(event);
  if (event->type() == QEvent::FontChange) updateTip();
}

void SectionHeader::updateTip() {
  setToolTip(shown() == whole_ ? QString() : whole_);
}

SplitHandle::SplitHandle(QWidget* grid, std::function<void(int)> moved)
    : QWidget(grid), moved_(std::move(moved)) {
  setObjectName(QStringLiteral("split"));
  setCursor(Qt::SplitHCursor);
  grid->installEventFilter(this);
}

void SplitHandle::place(int x) {
  x_ = x;
  int const width = 6;
  setGeometry(x - width / 2, 0, width, parentWidget()->height());
  raise();
}

bool SplitHandle::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) place(x_);
  return false;
}

void SplitHandle::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) moved_(mapToParent(event->pos()).x());
}

}  // namespace trv::properties::detail
