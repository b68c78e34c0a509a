// Texts of open, save, save as and the save-changes question, exact with
// their blanks, and the file-dialog filter in Qt's form.
#pragma once

#include <QString>

#include "files/ScritturaFile.h"
#include "platform/Testi.h"

namespace tessaro {

namespace testi {
inline const QString TitoloApri = QStringLiteral("Seleziona il file da aprire");
inline const QString TitoloSalva = QStringLiteral("Seleziona il file in cui salvare");
// Description and patterns of the two dialogs' filters.
inline const QString DescrizioneApri = QStringLiteral("File Tessaro(*.tes;*.TES)");
inline const QString ModelliApri = QStringLiteral("*.tes;*.TES");
inline const QString DescrizioneSalva = QStringLiteral("File Tessaro *.tes");
inline const QString ModelliSalva = QStringLiteral("*.tes");

inline const QString Attenzione = QStringLiteral("ATTENZIONE !");
inline const QString TitoloErroreSalvataggio = QStringLiteral("Errore di salvataggio");

// "Il file <nome> è stato modificato ma non è stato salvato." CR LF "Salvare ora?"
inline QString domandaSalvataggio(const QString& nome) {
  return QStringLiteral("Il file ") + nome +
         QStringLiteral(" è stato modificato ma non è stato salvato.\r\nSalvare ora?");
}
// "Il file <nome> esiste già." CR LF "Sostituirlo?"
inline QString domandaSostituzione(const QString& nome) {
  return QStringLiteral("Il file ") + nome + QStringLiteral(" esiste già.\r\nSostituirlo?");
}
// "Impossibile salvare il file <nome>:" CR LF <motivo>
inline QString erroreSalvataggio(const QString& nome, const QString& motivo) {
  return QStringLiteral("Impossibile salvare il file ") + nome + QStringLiteral(":\r\n") + motivo;
}

// Reasons named by the save failure message (the writer's own words).
inline const QString MotivoCartellaAssente = daUtf8(tessaro::MotivoCartellaAssente);
inline const QString MotivoNomeCartella = daUtf8(tessaro::MotivoNomeCartella);
inline const QString MotivoFileProtetto = daUtf8(tessaro::MotivoFileProtetto);
inline const QString MotivoCartellaProtetta = daUtf8(tessaro::MotivoCartellaProtetta);
inline const QString MotivoNomeLungo = daUtf8(tessaro::MotivoNomeLungo);
inline const QString MotivoSpazioEsaurito = daUtf8(tessaro::MotivoSpazioEsaurito);
// Followed by the system's reason in parentheses and a full stop.
inline const QString MotivoScrittura = daUtf8(tessaro::MotivoScrittura);
}  // namespace testi

// The filter of a Qt file dialog from a description and ";"-separated
// patterns: "File Tessaro *.tes" and "*.tes" give "File Tessaro *.tes (*.tes)".
QString filtroDialogo(const QString& descrizione, const QString& modelli);

}  // namespace tessaro
