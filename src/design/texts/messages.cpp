#include "design/texts/messages.h"

#include <string>
#include <string_view>

namespace zarvell {
namespace {

using namespace design;

constexpr MessageLoader kMessages = MessageLoader::Messages;
constexpr MessageLoader kCaptions = MessageLoader::Captions;

// The texts are the system's own, kept as they have always been shown, spelling included.
// MsgManualOpenError holds only the part before the manual's file name.
constexpr MessageText kMessageTable[] = {
    {ManualFileName,
     kMessages,
     {"manual_Zarvell_en.pdf", "manual_Zarvell_de.pdf", "manual_Zarvell_fr.pdf",
      "manual_Zarvell_cz.pdf"}},
    {MsgProgramError,
     kMessages,
     {"Program error!", "Programmier Fehler", "Erreur de programmation!", "Chyba programování"}},
    {MsgVerifyError,
     kMessages,
     {"Verify error!", "Vergleichsfehler", "Verifier erreur!", "Chyba verifikace!"}},
    {MsgReadError, kMessages, {"Read error!", "Lesefehler", "Lire erreur!", "Chyba čtení!"}},
    {MsgProgramming,
     kMessages,
     {"Program device:", "Programmieren:", "Programmer:", "Programování:"}},
    {MsgVerifying, kMessages, {"Verify:", "Vergleichen:", "Vérifier", "Verifikace:"}},
    {MsgReading, kMessages, {"Read:", "Lesen:", "Lire", "Čtení:"}},
    {MsgSaving, kMessages, {"Saving:", "Speichern:", "Mémorisation", "Ukládání:"}},
    // The unit went silent while it stored a programmed set: whether it keeps it is not known.
    {MsgSaveNotConfirmed,
     kMessages,
     {"Saving not confirmed: the unit stopped answering! Program it again.",
      "Speichern nicht bestätigt: die Zündung antwortet nicht mehr! Neu programmieren.",
      "Mémorisation non confirmée : le boîtier ne répond plus ! Programmez-le à nouveau.",
      "Uložení nepotvrzeno: zapalování přestalo odpovídat! Naprogramujte ho znovu."}},
    {MsgVersionMismatch,
     kMessages,
     {"Unmatched version of PC and Ignition programs!",
      "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!",
      "Programme du boitier d´alumage non compatible avec programme PC!",
      "Neshodné verze proramu v PC a zapalování!"}},
    {MsgAdvance, kMessages, {"Advance", "Vorzündung", "Avance", "Předstih"}},
    {MsgProgramCount,
     kMessages,
     {"Number of Programing= ", "Programmierungsanzahl= ", "Nombre de programmations= ",
      "Počet programování= "}},
    {MsgMotorOff, kCaptions, {"Motor off", "Motor off", "Blocage", "Blokování"}},
    {MsgYes, kMessages, {"YES", "JA", "Oui", "ANO"}},
    {MsgNo, kMessages, {"NO", "NEIN", "Non", "NE"}},
    {MsgComOpenError,
     kMessages,
     {"Com opening error!", "Falscher COM-Anschlußes!", "Erreur connections PC!",
      "Chyba při otevírání portu Com!"}},
    {MsgFileOpenError,
     kMessages,
     {"Open file error!", "Fehler beim öffnen der Datei!", "Erreur ouvertur fichier!",
      "Chyba při otevírání souboru!"}},
    {MsgAskDefaults,
     kMessages,
     {"Do you want default setting?", "Wollen Sie Standardeinstellungen öffnen?",
      "Voulez vous la programation de base?", "Chcete nastavit základní hodnoty?"}},
    {MsgOlderIgnFile,
     kMessages,
     {"Older version of *.ign file!\n\nSome parameters won't be changed or will be set to "
      "default value.\nThey are parameters which are not in older version or have another "
      "structure.",
      "Älter Version von Datendatei *.ign!\n\nEinige Kenndaten werden nicht geändert oder werden "
      "implizit Wert gestellt.\nSie sind die Kenndaten, die in älter Version nicht sind oder "
      "andere Struktur haben",
      "Older version of *.ign file!\n\nSome parameters won't be changed or will be set to "
      "default value.\nThey are parameters which are not in older version or have another "
      "structure.",
      "Starší verze souboru *.ign!\n\nNěkteré parametry budou nezměněny nebo nataveny na "
      "základní hodnotu.\nJsou to parametry, které v této verzi nebyly obsaženy nebo měly jinou "
      "strukturu."}},
    {MsgIgnVersionMismatch,
     kMessages,
     {"Unmatched version of *.ign file!", "Datendatei *.ign ist nicht kompatiebel!",
      "Programme du fichier non compatible avec programme PC!", "Neshodná verze souboru *.ign!"}},
    {MsgNoReading, kMessages, {"No reading!", "Lesen verboten!", "Pas axessible!", "Zákaz čtení!"}},
    {MsgPrintStamp,
     kMessages,
     {"Date and time of printing:  ", "Zeitpunkt des Ausdruckes   ",
      "Date et heur de l´imprimé:   ", "Datum a čas tisku:  "}},
    {MsgManualOpenError,
     kMessages,
     {"Error by opening file ", "Fehler beim öffnen der Datei ", "Erreur à l´ouvertur du Fichier ",
      "Chyba při otevírání souboru "}},
    {MsgPickupError,
     kMessages,
     {"Pick up system error                    ", "Gebersystemehler                        ",
      "Pick up system error                    ", "Chyba v snímacím systému                "}},
    {MsgPickup, kMessages, {"Pick-up (CKPS)", "Geber(CKPS)", "Capteur(CKPS)", "Snímač (CKPS)"}},
    {MsgRunning, kMessages, {"is running", "läuft", " fonctionne", "pracuje"}},
    {MsgNoSignal, kMessages, {"no signal", " kein Signal", " pas de signal", "bez signálu"}},
    {MsgServoMeasured,
     kMessages,
     {"Servo measured=", "Servo gemessene=", "Servo measured=", "Servo měřené="}},
    {MsgServoDesired,
     kMessages,
     {"Servo desired=", "Servo Sollspanung=", "Servo desired=", "Servo požadované="}},
    {MsgShiftLight,
     kCaptions,
     {"Gear Shift Light", "Schaltblitz", "Retard à l´allumage", "Kontrolka řazení"}},
    {MsgClutch, kCaptions, {"Clutch master", "Schaltautomat", "Clutch master", "Clutch master"}},
    {MsgInput, kCaptions, {"Input", "Eingang", "Entrée", "Vstup"}},
    {MsgKillSwitch,
     kCaptions,
     {"Kill switch", "Not Aus", "Interrupteur de sécurité", "Kill switch"}},
    {MsgOpen, kCaptions, {"Open", "Offen", "Open", "Otevřený"}},
    {MsgGrounded, kCaptions, {"Grounded", "zu Erde", "Grounded", "Uzeměn"}},
    {MsgPasteDoesNotFit,
     kMessages,
     {"The pasted cells do not fit into the map from the selected cell on.",
      "Die eingefügten Zellen passen ab der gewählten Zelle nicht in die Karte.",
      "Les cellules collées ne tiennent pas dans la carte à partir de la cellule choisie.",
      "Vkládané buňky se od vybrané buňky do mapy nevejdou."}},
    {MsgPasteNotNumbers,
     kMessages,
     {"The clipboard does not hold a block of whole numbers.",
      "Die Zwischenablage enthält keinen Block ganzer Zahlen.",
      "Le presse-papiers ne contient pas un bloc de nombres entiers.",
      "Schránka neobsahuje blok celých čísel."}},
};

struct Placeholder {
  ControlId label;
  TextEntry message;
  std::string_view suffix;
};

constexpr Placeholder kPlaceholders[] = {
    {LabelAdvance1, MsgAdvance, " 1 = --- [°]"},      {LabelAdvance2, MsgAdvance, " 2 = --- [°]"},
    {LabelAdvance3, MsgAdvance, " 3 = --- [°]"},      {LabelAdvance4, MsgAdvance, " 4 = --- [°]"},
    {LabelPocetProgramovani, MsgProgramCount, "---"}, {LabelMonSnimac1, MsgPickup, " 1 = ---"},
    {LabelMonSnimac2, MsgPickup, " 2 = ---"},         {LabelPriveraPoz, MsgServoDesired, " ---"},
    {LabelPriveraMer, MsgServoMeasured, " ---"},
};

}  // namespace

std::span<const MessageText> MessageTable() {
  return kMessageTable;
}

void LoadMessageEntries(TextTable& texts, std::uint8_t language, MessageLoader loader) {
  const std::size_t column = LanguageColumn(language);
  // Entry order loads ManualFileName before the error message that names it.
  for (const MessageText& row : kMessageTable) {
    if (row.loader != loader) continue;
    std::string& text = texts[row.entry];
    text = row.texts[column];
    if (row.entry == MsgManualOpenError) text += texts[ManualFileName] + " !";
  }
}

void LoadMessages(TextTable& texts, std::uint8_t language, ui::ControlModel& controls) {
  LoadMessageEntries(texts, language, kMessages);
  if (!ShowsPlaceholders(controls)) return;
  for (const Placeholder& placeholder : kPlaceholders) {
    controls.SetCaption(placeholder.label,
                        texts[placeholder.message] + std::string(placeholder.suffix));
  }
}

}  // namespace zarvell
