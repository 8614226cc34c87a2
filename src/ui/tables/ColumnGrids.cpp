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
    for (int k = 0; k < TextTable::kColumns; ++k) {
        auto* v = new QTableView(this);
        v->setObjectName(namePrefix + QString::number(k));
        v->setModel(model);
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
        connect(v->verticalScrollBar(), &QScrollBar::valueChanged, this,
                [this, k](int value) { follow(k, value); });
        grids_.push_back(v);
        lay->addWidget(v, k == TextTable::kColumns - 1 ? 0 : 0);
    }
}

void ColumnGrids::setWidthSamples(const QStringList& samples) {
    for (int k = 0; k < grids_.size() && k < samples.size(); ++k) {
        QTableView* v = grids_[k];
        const int w = QFontMetrics(v->font()).horizontalAdvance(samples[k]) + 12;
        const int extra = k == grids_.size() - 1 ? v->verticalScrollBar()->sizeHint().width() : 0;
        v->setFixedWidth(w + extra + 2 * v->frameWidth());
    }
}

void ColumnGrids::follow(int k, int value) {
    if (following_) return;
    following_ = true;
    for (int i = 0; i < k; ++i) grids_[i]->verticalScrollBar()->setValue(value);
    following_ = false;
}

int ColumnGrids::topRow(int k) const {
    QTableView* v = grids_.value(k);
    return v ? v->rowAt(0) : -1;
}

void ColumnGrids::scrollGridTo(int k, int modelRow) {
    QTableView* v = grids_.value(k);
    if (!v || modelRow < 0 || modelRow >= model_->rowCount()) return;
    v->scrollTo(model_->index(modelRow, k), QAbstractItemView::PositionAtTop);
}

}  // namespace montira
