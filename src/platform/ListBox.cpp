#include "platform/ListBox.h"

namespace tessaro {

QVariant ModelloRighe::data(const QModelIndex& i, int role) const {
  if (!i.isValid() || i.row() >= righe_.size()) return {};
  if (role == Qt::DisplayRole) return righe_.at(i.row());
  return {};
}

void ModelloRighe::aggiungi(const QString& s) {
  const int n = static_cast<int>(righe_.size());
  beginInsertRows({}, n, n);
  righe_.append(s);
  endInsertRows();
}

void ModelloRighe::aggiungi(const QStringList& righe) {
  if (righe.isEmpty()) return;
  const int n = static_cast<int>(righe_.size());
  beginInsertRows({}, n, n + static_cast<int>(righe.size()) - 1);
  righe_.append(righe);
  endInsertRows();
}

void ModelloRighe::svuota() {
  beginResetModel();
  righe_.clear();
  endResetModel();
}

ListBox::ListBox(QWidget* parent) : QListView(parent) {
  setModel(&modello_);
  setUniformItemSizes(true);  // lets the view lay out huge lists at once
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListView::clicked, this, [this] { Q_EMIT Click(); });
  connect(this, &QListView::doubleClicked, this, [this] { Q_EMIT DblClick(); });
}

void ListBox::Clear() { modello_.svuota(); }

int ListBox::ListIndex() const {
  const QModelIndex i = currentIndex();
  return i.isValid() ? i.row() : -1;
}

void ListBox::setListIndex(int i) {
  if (i < 0 || i >= ListCount()) {
    setCurrentIndex({});
    return;
  }
  const QModelIndex m = modello_.index(i);
  setCurrentIndex(m);
  scrollTo(m, QAbstractItemView::PositionAtTop);
}

QString ListBox::List(int i) const {
  return i >= 0 && i < ListCount() ? modello_.righe().at(i) : QString();
}

void ListBox::setMousePointer(int p) {
  puntatore_ = p;
  viewport()->setCursor(p == 11 ? Qt::WaitCursor : Qt::ArrowCursor);
}

}  // namespace tessaro
