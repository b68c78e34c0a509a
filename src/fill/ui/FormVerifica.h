// The "Verifica Schema" window: the report's lines; a click on a line that
// names words or cells selects them in the grid.
#pragma once

#include <QDialog>
#include <vector>

#include "fill/Verifica.h"

namespace tessaro {

class Form0g;
class ListBox;

class FormVerifica : public QDialog {
  Q_OBJECT
 public:
  explicit FormVerifica(Form0g& principale);

  void mostra(std::vector<RigaVerifica> righe);
  const std::vector<RigaVerifica>& righe() const { return righe_; }
  ListBox* Lista = nullptr;

 private:
  std::vector<RigaVerifica> righe_;
};

}  // namespace tessaro
