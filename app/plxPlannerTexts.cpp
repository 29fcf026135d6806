#include "plxPlannerTexts.h"

#include <orvanta/orvanta.h>

#include <cstring>

namespace {

struct TPlannerText
{
    const char *key;
    const char *german;
    const char *english;
    const char *french;
};

constexpr TPlannerText plannerTexts[] = {
    {"file", "&Datei", "&File", "&Fichier"},
    {"new", "&Neu", "&New", "&Nouveau"},
    {"open", "Ö&ffnen...", "&Open...", "&Ouvrir..."},
    {"recent", "&Zuletzt geöffnet", "Open &recent", "Fichiers &récents"},
    {"save", "&Speichern", "&Save", "&Enregistrer"},
    {"saveAs", "Speichern &unter...", "Save &as...", "Enregistrer &sous..."},
    {"exportImage", "Als &Bild exportieren...", "Export &image...", "Exporter en &image..."},
    {"importProjectXml", "Project-XML &importieren...", "Import Project &XML...", "Importer du &XML Project..."},
    {"exportProjectXml", "Als Project-&XML exportieren...", "Export Pro&ject XML...", "Exporter en XML Pro&ject..."},
    {"pageSetup", "Seite &einrichten...", "Page set&up...", "&Mise en page..."},
    {"printPreview", "Druck&vorschau...", "Print pre&view...", "&Aperçu avant impression..."},
    {"print", "&Drucken...", "&Print...", "&Imprimer..."},
    {"exportPdf", "Als &PDF exportieren...", "Export P&DF...", "Exporter en P&DF..."},
    {"quit", "&Beenden", "&Quit", "&Quitter"},
    {"edit", "&Bearbeiten", "&Edit", "&Édition"},
    {"undo", "&Rückgängig", "&Undo", "&Annuler"},
    {"undoNamed", "&Rückgängig: %1", "&Undo %1", "&Annuler : %1"},
    {"redo", "&Wiederholen", "&Redo", "&Rétablir"},
    {"redoNamed", "&Wiederholen: %1", "&Redo %1", "&Rétablir : %1"},
    {"delete", "&Löschen", "&Delete", "&Supprimer"},
    {"selectAll", "&Alles auswählen", "Select &all", "&Tout sélectionner"},
    {"properties", "&Eigenschaften...", "&Properties...", "&Propriétés..."},
    {"calendar", "&Kalender...", "&Calendar...", "&Calendrier..."},
    // The calendar dialog.
    {"categories", "Kategorien", "Categories", "Catégories"},
    {"exceptions", "Ausnahmen", "Exceptions", "Exceptions"},
    {"add", "Hinzufügen", "Add", "Ajouter"},
    {"remove", "Entfernen", "Remove", "Supprimer"},
    {"up", "Nach oben", "Up", "Monter"},
    {"down", "Nach unten", "Down", "Descendre"},
    {"name", "Name", "Name", "Nom"},
    {"working", "Arbeitszeit", "Working time", "Temps de travail"},
    {"colour", "Farbe...", "Colour...", "Couleur..."},
    {"from", "Von", "From", "Du"},
    {"to", "Bis", "To", "Au"},
    {"endBeforeStart", "Das Ende muss nach dem Anfang liegen", "The end must come after the start",
     "La fin doit suivre le début"},
    {"repeats", "Wiederholung", "Repeats", "Répétition"},
    {"addDates", "Zeitraum hinzufügen", "Add dates", "Ajouter une période"},
    {"addRecurring", "Wiederkehrend hinzufügen", "Add recurring", "Ajouter une récurrence"},
    {"every", "Alle", "Every", "Tous les"},
    {"dayFrom", "Ab Tag", "From day", "Du jour"},
    {"hourFrom", "Ab Stunde", "From hour", "De l'heure"},
    {"dayTo", "Bis Tag", "To day", "Au jour"},
    {"hourTo", "Bis Stunde", "To hour", "À l'heure"},
    {"newCategory", "Neue Kategorie", "New category", "Nouvelle catégorie"},
    {"holiday", "Feiertag", "Holiday", "Jour férié"},
    {"recurring", "Freitag", "Friday", "Vendredi"},
    {"weekend", "Wochenende", "Weekend", "Week-end"},
    {"predefined", "Vordefiniert: nur die Farbe wird gespeichert", "Predefined: only its colour is saved",
     "Prédéfinie : seule la couleur est enregistrée"},
    {"calendarDamaged", "Der Kalender kann nicht bearbeitet werden: er nennt einen Eintrag doppelt",
     "The calendar cannot be edited: it lists an entry twice",
     "Le calendrier ne peut pas être modifié : il cite une entrée deux fois"},
    // Operation names in the Undo and Redo entries, by the name the operation gives itself.
    {"Calendar edit", "Kalender bearbeiten", "Calendar edit", "Modification du calendrier"},
    {"Bar move", "Balken verschieben", "Bar move", "Déplacement de barre"},
    {"Bar resize", "Balkenlänge ändern", "Bar resize", "Redimensionnement de barre"},
    {"Bar insert", "Balken einfügen", "Bar insert", "Insertion de barre"},
    {"Bar delete", "Balken löschen", "Bar delete", "Suppression de barre"},
    {"Bar assign time", "Balkenzeit zuweisen", "Bar assign time", "Attribution des dates"},
    {"Summary bar move", "Sammelbalken verschieben", "Summary bar move", "Déplacement de barre récapitulative"},
    {"Summary bar delete", "Sammelbalken löschen", "Summary bar delete", "Suppression de barre récapitulative"},
    {"Connection add", "Verbindung hinzufügen", "Connection add", "Ajout de liaison"},
    {"Connection delete", "Verbindung löschen", "Connection delete", "Suppression de liaison"},
    {"Edit object", "Eigenschaften bearbeiten", "Edit object", "Modification des propriétés"},
    {"Row insert", "Zeile einfügen", "Row insert", "Insertion de ligne"},
    {"Row child insert", "Unterzeile einfügen", "Row child insert", "Insertion de ligne enfant"},
    {"Row append", "Zeile anhängen", "Row append", "Ajout de ligne"},
    {"Row delete", "Zeile löschen", "Row delete", "Suppression de ligne"},
    {"Gantt rows delete", "Zeilen löschen", "Gantt rows delete", "Suppression de lignes"},
    {"Branch delete", "Zweig löschen", "Branch delete", "Suppression de branche"},
    {"Row move", "Zeile verschieben", "Row move", "Déplacement de ligne"},
    {"Row resize", "Zeilenhöhe ändern", "Row resize", "Modification de la hauteur de ligne"},
    {"Rows group", "Zeilen gruppieren", "Rows group", "Regroupement de lignes"},
    {"Rows change parent", "Zeilen umhängen", "Rows change parent", "Changement de parent des lignes"},
    {"Sort", "Sortieren", "Sort", "Tri"},
    {"Node collapse", "Auf- oder Zuklappen", "Node collapse", "Réduction ou développement"},
    {"Tree cell resize", "Spaltenbreite ändern", "Tree cell resize", "Modification de la largeur de colonne"},
    {"Move header cell", "Spalte verschieben", "Move header cell", "Déplacement de colonne"},
    {"Column insert", "Spalte einfügen", "Column insert", "Insertion de colonne"},
    {"Column delete", "Spalte löschen", "Column delete", "Suppression de colonne"},
    {"Pert bar move", "Netzplanknoten verschieben", "Pert bar move", "Déplacement de nœud"},
    {"Pert bar insert", "Netzplanknoten einfügen", "Pert bar insert", "Insertion de nœud"},
    {"Pert bar delete", "Netzplanknoten löschen", "Pert bar delete", "Suppression de nœud"},
    {"Pert connection add", "Netzplanverbindung hinzufügen", "Pert connection add", "Ajout de liaison du réseau"},
    {"Pert connection delete", "Netzplanverbindung löschen", "Pert connection delete",
     "Suppression de liaison du réseau"},
    {"Import", "Import", "Import", "Importation"},
    {"Multiple operations", "Mehrere Änderungen", "Multiple operations", "Modifications multiples"},
    {"view", "&Ansicht", "&View", "&Affichage"},
    {"timeMode", "&Zeiteinheit", "&Time mode", "&Unité de temps"},
    {"tmHour", "Stunden", "Hours", "Heures"},
    {"tmDay", "Tage", "Days", "Jours"},
    {"tmWeek", "Wochen", "Weeks", "Semaines"},
    {"tmMonth", "Monate", "Months", "Mois"},
    {"tmQuarter", "Quartale", "Quarters", "Trimestres"},
    {"tmYear", "Jahre", "Years", "Années"},
    {"zoomIn", "Ver&größern", "Zoom &in", "Zoom &avant"},
    {"zoomOut", "Ver&kleinern", "Zoom &out", "Zoom a&rrière"},
    {"today", "Zu &heute", "Scroll to &today", "Aller à &aujourd'hui"},
    {"collapseAll", "Alle &zuklappen", "&Collapse all", "&Tout réduire"},
    {"expandAll", "Alle &aufklappen", "&Expand all", "Tout &développer"},
    {"language", "&Sprache", "&Language", "&Langue"},
    {"insert", "&Einfügen", "&Insert", "&Insertion"},
    {"taskBar", "&Vorgang", "&Task bar", "&Tâche"},
    {"milestone", "&Meilenstein", "&Milestone", "&Jalon"},
    {"textBar", "&Textbalken", "Te&xt bar", "Barre de te&xte"},
    {"imageBar", "&Bildbalken", "&Image bar", "Barre d'&image"},
    {"row", "&Zeile", "&Row", "&Ligne"},
    {"childRow", "&Unterzeile", "&Child row", "Ligne &enfant"},
    {"tabChart", "Gantt", "Gantt", "Gantt"},
    {"tabNetwork", "Netzplan", "Network", "Réseau"},
    {"tabDocument", "Dokument", "Document", "Document"},
    {"untitled", "Unbenannt", "Untitled", "Sans titre"},
    {"tasks", "%1 Vorgänge", "%1 tasks", "%1 tâches"},
    {"modified", "Geändert", "Modified", "Modifié"},
    {"askSave", "Die Änderungen an \"%1\" speichern?", "Save the changes to \"%1\"?",
     "Enregistrer les modifications de « %1 » ?"},
    {"answerSave", "Speichern", "Save", "Enregistrer"},
    {"answerDiscard", "Verwerfen", "Discard", "Ignorer"},
    {"cannotOpen", "\"%1\" kann nicht geöffnet werden: %2", "Cannot open \"%1\": %2",
     "Impossible d'ouvrir « %1 » : %2"},
    {"notADocument", "die Datei enthält kein Diagramm", "the file holds no chart",
     "le fichier ne contient aucun diagramme"},
    {"unknownImage", "Unbekanntes Bildformat: \"%1\" (PNG, JPEG, BMP oder SVG)",
     "Unknown picture format: \"%1\" (PNG, JPEG, BMP or SVG)",
     "Format d'image inconnu : « %1 » (PNG, JPEG, BMP ou SVG)"},
    {"opening", "Öffne %1...", "Opening %1...", "Ouverture de %1..."},
    {"saving", "Speichere %1...", "Saving %1...", "Enregistrement de %1..."},
    {"cancel", "Abbrechen", "Cancel", "Annuler"},
    {"noRow", "Keine Zeile ausgewählt", "No row is focused", "Aucune ligne sélectionnée"},
};

} // namespace

QString plannerText(const char *key, QLocale::Language language)
{
    for (const TPlannerText &text : plannerTexts)
        if (std::strcmp(text.key, key) == 0)
            return QString::fromUtf8(language == QLocale::German   ? text.german
                                     : language == QLocale::French ? text.french
                                                                   : text.english);
    return QString::fromLatin1(key);
}

void loadLibraryTexts(QLocale::Language language)
{
    if (language == QLocale::German)
        CreateDefaultRessources_GER();
    else if (language == QLocale::French)
        CreateDefaultRessources_FRA();
    else
        CreateDefaultRessources_ENG();
}
