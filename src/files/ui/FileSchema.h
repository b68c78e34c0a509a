// Texts of open, save, save as and the save-changes question, exact with
// their blanks, and the file-dialog filter in Qt's form.
#pragma once

#include <QString>

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

// Reasons named by the save failure message.
inline const QString MotivoCartellaAssente = QStringLiteral("la cartella indicata non esiste.");
inline const QString MotivoNomeCartella = QStringLiteral("il nome indica una cartella, non un file.");
inline const QString MotivoFileProtetto = QStringLiteral("il file è protetto in scrittura.");
inline const QString MotivoCartellaProtetta = QStringLiteral("la cartella è protetta in scrittura.");
inline const QString MotivoNomeLungo = QStringLiteral("il nome del file è troppo lungo.");
// Followed by the system's reason in parentheses, when it gives one.
inline const QString MotivoScrittura =
    QStringLiteral("la scrittura non è riuscita: controllare lo spazio libero sul disco");
}  // namespace testi

// The filter of a Qt file dialog from a description and ";"-separated
// patterns: "File Tessaro *.tes" and "*.tes" give "File Tessaro *.tes (*.tes)".
QString filtroDialogo(const QString& descrizione, const QString& modelli);

}  // namespace tessaro
