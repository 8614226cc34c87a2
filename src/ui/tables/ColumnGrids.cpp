#include "ui/tables/ColumnGrids.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>

namespace montira {

ColumnGrids::ColumnGrids(const QString& namePrefix, TableModel* model, QWidget* parent)
    : QWidget(parent), model_(model) {
    auto* lay = new QHBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    const int last = TextTable::kColumns - 1;
    for (int k = 0; k < TextTable::kColumns; ++k) {
        auto* v = new QTableView(this);
        v->setObjectName(namePrefix + QString::number(k));
        if (k < last) {
            auto* w = new RowWindowModel(model, this);
            windows_.push_back(w);
            v->setModel(w);
        } else {
            v->setModel(model);
        }
        for (int c = 0; c < TextTable::kColumns; ++c) v->setColumnHidden(c, c != k);
        v->verticalHeader()->hide();
        v->verticalHeader()->setDefaultSectionSize(QFontMetrics(v->font()).height() + 4);
        // The one visible column fills its grid (stretching the last section would only
        // stretch column 11, hidden in every grid but the last).
        v->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        v->horizontalHeader()->setSectionResizeMode(k, QHeaderView::Stretch);
        v->horizontalHeader()->setHighlightSections(false);
        v->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        v->setVerticalScrollBarPolicy(k == TextTable::kColumns - 1 ? Qt::ScrollBarAlwaysOn
                                                                   : Qt::ScrollBarAlwaysOff);
        v->setSelectionBehavior(QAbstractItemView::SelectRows);
        v->setEditTriggers(QAbstractItemView::NoEditTriggers);
        v->setWordWrap(false);
        // Uniform rows: the view never measures 320,000 rows.
        v->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        connect(v->verticalScrollBar(), &QScrollBar::valueChanged, this, [this, k] { follow(k); });
        grids_.push_back(v);
        lay->addWidget(v, k == TextTable::kColumns - 1 ? 0 : 0);
    }
    // New or replaced rows: once the views have taken them, the windowed grids line up with
    // the last grid again.
    auto resync = [this] {
        QMetaObject::invokeMethod(
            this, [this] { follow(TextTable::kColumns - 1); }, Qt::QueuedConnection);
    };
    connect(model, &QAbstractItemModel::modelReset, this, resync);
    connect(model, &QAbstractItemModel::rowsInserted, this, resync);
}

void ColumnGrids::setWidthSamples(const QStringList& samples) {
    for (int k = 0; k < grids_.size() && k < samples.size(); ++k) {
        QTableView* v = grids_[k];
        const int w = QFontMetrics(v->font()).horizontalAdvance(samples[k]) + 12;
        const int extra = k == grids_.size() - 1 ? v->verticalScrollBar()->sizeHint().width() : 0;
        v->setFixedWidth(w + extra + 2 * v->frameWidth());
    }
}

// Grid k scrolled (its scroll bar, the wheel or the keys): every other grid takes its top
// row, so that a row's date never stands beside another row's values. A grid with a row
// window also moves its window, so that it can go on scrolling either way.
void ColumnGrids::follow(int k) {
    if (following_) return;
    following_ = true;
    const int top =
        grids_[k]->verticalScrollBar()->value() + (k < windows_.size() ? windows_[k]->offset() : 0);
    for (int i = 0; i < windows_.size(); ++i) placeTop(i, top);
    const int last = int(grids_.size()) - 1;
    if (k != last) grids_[last]->verticalScrollBar()->setValue(top);
    following_ = false;
}

// Puts model row `modelRow` at the top of grid i (i left of the last grid): the window
// starts half a window above it, and the grid scrolls inside the window.
void ColumnGrids::placeTop(int i, int modelRow) {
    RowWindowModel* w = windows_[i];
    w->setOffset(modelRow - RowWindowModel::kRows / 2);
    grids_[i]->verticalScrollBar()->setValue(modelRow - w->offset());
}

int ColumnGrids::topRow(int k) const {
    QTableView* v = grids_.value(k);
    if (!v) return -1;
    const int row = v->rowAt(0);
    if (row < 0 || k >= windows_.size()) return row;
    return windows_[k]->offset() + row;
}

void ColumnGrids::scrollGridTo(int k, int modelRow) {
    QTableView* v = grids_.value(k);
    if (!v || modelRow < 0 || modelRow >= model_->rowCount()) return;
    if (k < windows_.size()) {
        following_ = true;
        placeTop(k, modelRow);
        following_ = false;
        follow(k);
        return;
    }
    v->scrollTo(model_->index(modelRow, k), QAbstractItemView::PositionAtTop);
}

}  // namespace montira
