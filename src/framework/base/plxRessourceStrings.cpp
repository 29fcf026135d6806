#include "plxRessourceStrings.h"

#include <QHash>

#include <array>

namespace {

struct TBuiltInString
{
    const char *key;
    const char *german;
    const char *english;
    const char *french; // null: the French set has no text for this key
};

// The built-in sets, one row per key in the fixed order of the sets.
constexpr std::array<TBuiltInString, 158> builtInStrings{{
    {"autonumbercolumn", "Nr.", "No", "No"},
    {"insertnewpertbarmsg1", "Ziehen Sie mit der Maus ein Rechteck auf,",
     "Insert a new pert bar by dragging the mouse.", "Insérer une nouvelle barre en glissant la souris."},
    {"insertnewpertbarmsg2", "um ein neues Objekt anzulegen.", "", ""},
    {"pp_caption", "Druckvorschau", "Printing preview", "Aperçu avant impression"},
    {"pp_menu_document", "Dokument", "Document", "Document"},
    {"pp_menu_goto", "Gehe zu", "Go to", "Aller à"},
    {"pp_menu_print", "Drucken...", "Print...", "Imprimer..."},
    {"pp_menu_pagesetup", "Seite einrichten...", "Page setup...", "Mise en page..."},
    {"pp_menu_close", "Schließen", "Close", "Fermer"},
    {"pp_menu_firstpage", "Erste Seite", "First page", "Première page"},
    {"pp_menu_prevpage", "Vorherige Seite", "Previous page", "Page précédente"},
    {"pp_menu_nextpage", "Nächste Seite", "Next page", "Page suivante"},
    {"pp_menu_lastpage", "Letzte Seite", "Last page", "Dernière page"},
    {"pp_hint_firstpage", "Zur ersten Seite", "Go to the first page", "Aller à la première page"},
    {"pp_hint_prevpage", "Zur vorherigen Seite", "Go to the previous page", "Aller à la page précédente"},
    {"pp_hint_nextpage", "Zur nächsten Seite", "Go to the next page", "Aller à la page suivante"},
    {"pp_hint_lastpage", "Zur letzten Seite", "Go to the last page", "Aller à la dernière page"},
    {"pp_hint_caption", "Überschrift einstellen", "Set up the caption", "Configurer le titre"},
    {"pp_hint_background", "Hintergrund einstellen", "Set up the background", "Configurer l'arrière-plan"},
    {"pp_hint_border", "Rahmen einstellen", "Set up the border", "Configurer la bordure"},
    {"pp_hint_footerheader", "Kopf- und Fußzeile einstellen", "Set up header and footer",
     "Configurer l'en-tête et le pied de page"},
    {"pp_hint_chartsettings", "Diagrammeinstellungen", "Chart settings", "Paramètres du diagramme"},
    {"pp_hint_print", "Drucken", "Print", "Imprimer"},
    {"pp_hint_pagesetup", "Seite einrichten", "Page setup", "Mise en page"},
    {"pp_label_zoomfactor", "Zoom:", "Zoom:", "Zoom :"},
    {"pp_label_profile", "Profil:", "Profile:", "Profil :"},
    {"pp_hint_newprofile", "Neues Profil anlegen", "Create a new profile", "Créer un nouveau profil"},
    {"pp_hint_saveprofile", "Profil speichern", "Save the profile", "Enregistrer le profil"},
    {"pp_hint_renameprofile", "Profil umbenennen", "Rename the profile", "Renommer le profil"},
    {"pp_hint_deleteprofile", "Profil löschen", "Delete the profile", "Supprimer le profil"},
    {"pp_mi_left", "Links", "Left", "Gauche"},
    {"pp_mi_right", "Rechts", "Right", "Droite"},
    {"pp_mi_top", "Oben", "Top", "Haut"},
    {"pp_mi_bottom", "Unten", "Bottom", "Bas"},
    {"pp_mi_center", "Zentriert", "Centered", "Centré"},
    {"pp_mi_header", "Kopfzeile", "Header", "En-tête"},
    {"pp_mi_footer", "Fußzeile", "Footer", "Pied de page"},
    {"pp_mi_days", "Tage", "Days", "Jours"},
    {"pp_mi_page", "Seite", "Page", "Page"},
    {"pp_mi_paperformat", "Papierformat", "Paper format", "Format du papier"},
    {"pp_pf_portrait", "Hochformat", "Portrait", "Portrait"},
    {"pp_pf_landscape", "Querformat", "Landscape", "Paysage"},
    {"pp_ps_pagesetup", "Seite einrichten", "Page setup", "Mise en page"},
    {"pp_ps_printeroptions", "Druckeroptionen", "Printer options", "Options d'impression"},
    {"pp_ps_caption", "Überschrift", "Caption", "Titre"},
    {"pp_ps_border", "Rahmen", "Border", "Bordure"},
    {"pp_ps_background", "Hintergrund", "Background", "Arrière-plan"},
    {"pp_ps_headerfooter", "Kopf-/Fußzeile", "Header/Footer", "En-tête/Pied de page"},
    {"pp_ps_ganttchart", "Gantt-Diagramm", "Gantt chart", "Diagramme de Gantt"},
    {"pp_ps_printerpaperformat", "Papierformat des Druckers", "Printer paper format",
     "Format du papier de l'imprimante"},
    {"pp_ps_preview", "Vorschau", "Preview", "Aperçu"},
    {"pp_ps_layout", "Layout", "Layout", "Disposition"},
    {"pp_ps_scaling", "Skalierung", "Scaling", "Mise à l'échelle"},
    {"pp_ps_pageborder", "Seitenränder", "Page margins", "Marges de la page"},
    {"pp_ps_fittopage", "An Seite anpassen", "Fit to page", "Ajuster à la page"},
    {"pp_ps_offsetleft", "Abstand links", "Left offset", "Décalage à gauche"},
    {"pp_ps_offsettop", "Abstand oben", "Top offset", "Décalage en haut"},
    {"pp_ps_horizontalalignment", "Horizontale Ausrichtung", "Horizontal alignment", "Alignement horizontal"},
    {"pp_ps_verticalalignment", "Vertikale Ausrichtung", "Vertical alignment", "Alignement vertical"},
    {"pp_bn_font", "Schriftart...", "Font...", "Police..."},
    {"pp_bn_background", "Hintergrund...", "Background...", "Arrière-plan..."},
    {"pp_ps_printcaption", "Überschrift drucken", "Print caption", "Imprimer le titre"},
    {"pp_ps_caption_eachpage", "Auf jeder Seite", "On each page", "Sur chaque page"},
    {"pp_ps_caption_centered", "Zentriert", "Centered", "Centré"},
    {"pp_ps_border_printborder", "Rahmen drucken", "Print border", "Imprimer la bordure"},
    {"pp_ps_border_borderwidth", "Rahmenbreite", "Border width", "Largeur de la bordure"},
    {"pp_bn_border_changecolor", "Farbe ändern...", "Change colour...", "Changer la couleur..."},
    {"pp_ps_background_useimage", "Bild verwenden", "Use an image", "Utiliser une image"},
    {"pp_ps_background_position", "Position", "Position", "Position"},
    {"pp_bn_border_OpenImage", "Bild öffnen...", "Open image...", "Ouvrir une image..."},
    {"pp_ps_border_item1", "Gekachelt", "Tiled", "Mosaïque"},
    {"pp_ps_border_item2", "Zentriert", "Centered", "Centré"},
    {"pp_ps_border_item3", "Gestreckt", "Stretched", "Étiré"},
    {"pp_ps_headerleft", "Kopfzeile links", "Header left", "En-tête à gauche"},
    {"pp_ps_headercenter", "Kopfzeile Mitte", "Header centre", "En-tête au centre"},
    {"pp_ps_headerright", "Kopfzeile rechts", "Header right", "En-tête à droite"},
    {"pp_ps_footerleft", "Fußzeile links", "Footer left", "Pied de page à gauche"},
    {"pp_ps_footercenter", "Fußzeile Mitte", "Footer centre", "Pied de page au centre"},
    {"pp_ps_footerright", "Fußzeile rechts", "Footer right", "Pied de page à droite"},
    {"pp_ps_content", "Inhalt", "Content", "Contenu"},
    {"pp_ps_image", "Bild", "Image", "Image"},
    {"pp_ps_text", "Text", "Text", "Texte"},
    {"pp_ps_autotextfields", "Autotext-Felder", "Auto text fields", "Champs automatiques"},
    {"pp_ht_time", "Uhrzeit", "Time", "Heure"},
    {"pp_ht_date", "Datum", "Date", "Date"},
    {"pp_ht_datetime", "Datum und Uhrzeit", "Date and time", "Date et heure"},
    {"pp_ht_page", "Seitenzahl", "Page number", "Numéro de page"},
    {"pp_sr_page", "Seite ", "Page ", "Page "},
    {"pp_ht_pagecount", "Seitenanzahl", "Page count", "Nombre de pages"},
    {"pp_ht_pageof", "Seite # von #", "Page # of #", "Page # de #"},
    {"pp_ps_timerange", "Zeitraum", "Time range", "Période"},
    {"pp_ps_selection", "Auswahl", "Selection", "Sélection"},
    {"pp_ps_auto", "Automatisch", "Automatic", "Automatique"},
    {"pp_ps_timerange_start", "Beginn", "Start", "Début"},
    {"pp_ps_timerange_end", "Ende", "End", "Fin"},
    {"pp_ps_additionaldays", "Zusätzliche Tage", "Additional days", "Jours supplémentaires"},
    {"pp_ps_calendric_week", "Kalenderwoche", "Calendar week", "Semaine calendaire"},
    {"pp_ps_timescale_under", "Zeitskala unten", "Time scale below", "Échelle de temps en bas"},
    {"pp_ps_coloneachpage", "Spalten auf jeder Seite", "Columns on each page", "Colonnes sur chaque page"},
    {"pp_bc_barcaption", "Balkenbeschriftung", "Bar caption", "Libellé des barres"},
    {"pp_bc_printbarcaption", "Balkenbeschriftung drucken", "Print bar captions", "Imprimer les libellés des barres"},
    {"pp_ps_pagination", "Seitenaufteilung", "Pagination", "Pagination"},
    {"pp_ps_printconnections", "Verbindungen drucken", "Print connections", "Imprimer les liaisons"},
    {"pp_ps_nobreakonrow", "Zeilen nicht umbrechen", "No page break inside rows",
     "Pas de saut de page dans les lignes"},
    {"pp_ps_nobreakoncolumn", "Spalten nicht umbrechen", "No page break inside columns",
     "Pas de saut de page dans les colonnes"},
    {"pp_bn_Cancel", "Abbrechen", "Cancel", "Annuler"},
    {"pp_tl_printing", "Drucken", "Printing", "Impression"},
    {"pp_tl_print", "Drucken", "Print", "Imprimer"},
    {"pp_tl_printrange", "Druckbereich", "Print range", "Étendue d'impression"},
    {"pp_tl_options", "Optionen", "Options", "Options"},
    {"pp_tl_allpages", "Alle Seiten", "All pages", "Toutes les pages"},
    {"pp_tl_currentpage", "Aktuelle Seite", "Current page", "Page courante"},
    {"pp_tl_pages", "Seiten", "Pages", "Pages"},
    {"pp_ps_Copies", "Anzahl Exemplare", "Number of copies", "Nombre de copies"},
    {"pp_ps_Monochrome", "Schwarzweiß", "Monochrome", "Noir et blanc"},
    {"pp_ps_hide_background", "Hintergrund ausblenden", "Hide background", "Masquer l'arrière-plan"},
    {"pp_pp_Prefix_printmsg", "Drucke Seite", "Print page", "Impression de la page"},
    {"pp_pp_PrintToFile", "Ausdruck in Datei", "Print to file", nullptr},
    {"pp_of", "von", "of", "de"},
    {"pp_op_savesettings", "Einstellungen speichern", "Save settings", "Enregistrer les paramètres"},
    {"pp_op_usecurrentname", "Unter dem aktuellen Namen speichern", "Save under the current name",
     "Enregistrer sous le nom actuel"},
    {"pp_op_useanewname", "Unter einem neuen Namen speichern", "Save under a new name",
     "Enregistrer sous un nouveau nom"},
    {"pp_op_newprofile", "Neues Profil", "New profile", "Nouveau profil"},
    {"pp_op_copyof", "Kopie von", "Copy of", "Copie de"},
    {"pp_msg_noprinter_pre", "Der Drucker \"", "The printer \"", "L'imprimante \""},
    {"pp_msg_noprinter_post", "\" wurde nicht gefunden.", "\" was not found.", "\" est introuvable."},
    {"pp_msg_noprinter", "Keine Drucker gefunden!", "No printer device detected!", "Aucune imprimante sélectionnée !"},
    {"pp_msg_printrange", "Der von Ihnen gewählte Druckbereich ist ungültig.", "Illegal print range!",
     "Etendue d'impression erronée !"},
    {"pp_msg_deleteprofile_pre", "Wollen Sie die Einstellungen \"", "Do you want to delete the profile : \"",
     "Voulez-vous supprimer le profil : \""},
    {"pp_msg_deleteprofile_post", "\" löschen?", "\" ?", "\" ?"},
    {"pp_msg_rename", "Profil umbenennen", "Rename profile", "Renommer le profil"},
    {"pp_msg_newname", "Neue Bezeichnung:", "New name:", "Nouveau nom :"},
    {"pp_msg_emptynewname", "Die Bezeichnung darf nicht leer sind.", "The profile name is empty!",
     "Le nom de profil est vide !"},
    {"pp_msg_alreadyexists", "Diese Bezeichnung ist bereits vorhanden.", "The profile does already exists.",
     "Ce profil existe déjà"},
    {"df_calendarweekstring", "KW", "CW", "S"},
    {"df_monthweekstring", "W", "W", "S"},
    {"df_quarterlongstring", "Quartal", "Quarter", "Trimestre"},
    {"df_quartershortstring", "Q", "Q", "T"},
    {"pp_pp_PrintToFile_Format", "Drucker Datei", "Printer File", nullptr},
    {"df_fixedtaskbar", "fixiert", "Fix", "Fixe"},
    {"msg_messagesleftout", "%1 weitere Meldungen wurden nicht angezeigt; das Protokoll enthält alle.",
     "%1 further messages were left out; the log holds all of them.",
     "%1 autres messages n'ont pas été affichés ; le journal les contient tous."},
    {"msg_missingtable", "Die Tabelle \"%1\" fehlt oder ist keine Tabelle; die Standardtabelle wird verwendet.",
     "The table \"%1\" is missing or not a table; the default table is used.",
     "La table \"%1\" est absente ou n'est pas une table ; la table par défaut est utilisée."},
    {"msg_missingcalendar", "Der Kalender \"%1\" fehlt oder ist kein Kalender; der Standardkalender wird verwendet.",
     "The calendar \"%1\" is missing or not a calendar; the default calendar is used.",
     "Le calendrier \"%1\" est absent ou n'est pas un calendrier ; le calendrier par défaut est utilisé."},
    {"msg_missingtree", "Der Aufgabenbaum \"%1\" fehlt oder ist kein Baum; der Standardbaum wird verwendet.",
     "The task tree \"%1\" is missing or not a tree; the default tree is used.",
     "L'arbre des tâches \"%1\" est absent ou n'est pas un arbre ; l'arbre par défaut est utilisé."},
    {"why_title", "Warum dieses Datum?", "Why this date?", "Pourquoi cette date ?"},
    {"why_driven", "Den Beginn hält „%1“ (%2, Abstand %3 Arbeitstage).",
     "The start is held by \"%1\" (%2, distance %3 working days).",
     "Le début est fixé par « %1 » (%2, écart de %3 jours ouvrés)."},
    {"why_violated", "Der Abstand fehlt um %1 Arbeitstage.", "The distance is short by %1 working days.",
     "Il manque %1 jours ouvrés à l'écart."},
    {"why_slack",
     "Nichts hält den Beginn: der nächste Vorgänger „%1“ (%2, Abstand %3 Arbeitstage) lässt %4 Arbeitstage Luft.",
     "Nothing holds the start: the nearest predecessor \"%1\" (%2, distance %3 working days) leaves %4 working days.",
     "Rien ne fixe le début : le prédécesseur le plus proche « %1 » (%2, écart de %3 jours ouvrés) laisse %4 jours "
     "ouvrés."},
    {"why_free", "Nichts hält den Beginn: kein Vorgänger.", "Nothing holds the start: it has no predecessor.",
     "Rien ne fixe le début : aucun prédécesseur."},
    {"why_stretch", "Arbeitsfreie Zeit verlängert den Balken um %1 Tage:",
     "Non-working time lengthens the bar by %1 days:", "Le temps non ouvré allonge la barre de %1 jours :"},
    {"why_ff", "Ende–Ende", "finish–finish", "fin–fin"},
    {"why_fs", "Ende–Anfang", "finish–start", "fin–début"},
    {"why_sf", "Anfang–Ende", "start–finish", "début–fin"},
    {"why_ss", "Anfang–Anfang", "start–start", "début–début"},
    {"why_row", "Zeile %1", "row %1", "ligne %1"},
    {"acc_critical", "kritisch", "critical", "critique"},
    {"acc_progress", "%1 % erledigt", "%1% done", "%1 % fait"},
    {"acc_link", "%1, Abstand %2 Arbeitstage", "%1, distance %2 working days", "%1, écart de %2 jours ouvrés"},
}};

struct TRessourceTable
{
    QList<TLocalString> entries;
    // Position of each key in `entries`; keys are unique, so one index suffices.
    QHash<QString, qsizetype> index;
    int users = 0;
    QLocale::Language language = QLocale::AnyLanguage;
};

TRessourceTable &table()
{
    static TRessourceTable instance;
    return instance;
}

enum class TLanguage { German, English, French };

void loadSet(TLanguage language)
{
    for (const TBuiltInString &row : builtInStrings) {
        const char *text = language == TLanguage::German    ? row.german
                           : language == TLanguage::English ? row.english
                                                            : row.french;
        if (text)
            SetRessourceString(QString::fromLatin1(row.key), QString::fromUtf8(text));
    }
    table().language = language == TLanguage::German    ? QLocale::German
                       : language == TLanguage::English ? QLocale::English
                                                        : QLocale::French;
}

} // namespace

const QList<TLocalString> &PLXRessources()
{
    return table().entries;
}

void SetRessourceString(const QString &key, const QString &value)
{
    TRessourceTable &t = table();
    const auto found = t.index.constFind(key);
    if (found != t.index.cend()) {
        t.entries[*found].value = value;
        return;
    }
    t.index.insert(key, t.entries.size());
    t.entries.append(TLocalString{key, value});
}

QString GetRessourceValue(const QString &key)
{
    const TRessourceTable &t = table();
    const auto found = t.index.constFind(key);
    return found == t.index.cend() ? QString() : t.entries[*found].value;
}

QString PLXText(const QString &key)
{
    const QString value = GetRessourceValue(key);
    if (!value.isEmpty())
        return value;
    for (const TBuiltInString &row : builtInStrings)
        if (key == QLatin1String(row.key))
            return QString::fromUtf8(row.english);
    return QString();
}

void CreateDefaultRessources_GER()
{
    loadSet(TLanguage::German);
}

void CreateDefaultRessources_ENG()
{
    loadSet(TLanguage::English);
}

void CreateDefaultRessources_FRA()
{
    loadSet(TLanguage::French);
}

void PLXRessourcesInitialize()
{
    ++table().users;
}

void PLXRessourcesFinalize()
{
    TRessourceTable &t = table();
    if (t.users > 0 && --t.users == 0)
        PLXClearRessources();
}

void PLXClearRessources()
{
    TRessourceTable &t = table();
    t.entries.clear();
    t.index.clear();
    t.language = QLocale::AnyLanguage;
}

QLocale::Language PLXRessourceLanguage()
{
    return table().language;
}

QStringList PLXRessourceKeys()
{
    QStringList keys;
    keys.reserve(static_cast<qsizetype>(builtInStrings.size()));
    for (const TBuiltInString &row : builtInStrings)
        keys.append(QString::fromLatin1(row.key));
    return keys;
}
