#pragma once

#include "core/MessageBox.h"
#include "core/SettingsStore.h"
#include "equipment/InstrumentLists.h"

#include <QDate>
#include <QStringList>
#include <functional>
#include <optional>

namespace orvik {

// What the instrumentation view does: kind and instrument selection, the page contents as one entry, and the
// rules of Add, Update and Delete over the document's lists. The widgets show what it holds and forward edits
// and clicks; the caller writes or reloads the lists in the database when the view closes.
class InstrumentationEditor {
public:
    InstrumentationEditor(InstrumentLists& lists, MessageBox& messages, SettingsStore& settings);

    // The kinds list, in selector order 0..4.
    static QStringList kindNames();
    // The titles of a kind's pages; a mastoid's response pages follow its manufacturer.
    static QStringList pageTitles(InstrumentKind kind, const QString& mastoidManufacturer = {});
    // Whether a mastoid of this manufacturer has one response set and a sensitivity ("B...") or three sets.
    static bool isSingleSetMastoid(const QString& manufacturer);

    // Selects a kind (after the unsaved-changes question; false keeps the previous one) and within it the
    // instrument at the kind's stored position, or the first when that is past the end.
    bool selectKind(int selector);
    InstrumentKind kind() const { return m_kind; }
    QString prompt() const;
    QString label() const;
    QStringList instrumentLines() const;
    int selectedPosition() const { return m_position; }
    bool selectInstrument(int position);

    // The pages' contents. Edits come in through setPages; a changed serial number enables Add.
    const InstrumentEntry& pages() const { return m_pages; }
    void setPages(const InstrumentEntry& edited);
    bool pagesModified() const { return m_pagesModified; }
    // The mastoid manufacturer choice. When it replaces response pages that hold changes
    // (`responsePagesChanged`), the technician is asked first: false keeps the previous choice, true drops
    // those changes (the response sets go back to the selected instrument's).
    bool setMastoidManufacturer(const QString& manufacturer, bool responsePagesChanged);

    // Before an import replaces the pages' contents: the unsaved-changes question as the menu or a page asks it.
    enum class ImportOrigin { Menu, Page };
    bool confirmImport(ImportOrigin origin);

    bool addEnabled() const { return m_addEnabled; }
    bool updateEnabled() const { return m_position >= 0; }
    bool deleteEnabled() const { return m_position >= 0; }

    bool add();
    // `recordDataVersion`: the current audiometer record's data version; newer records carry mastoid sets 2, 3.
    bool update(int recordDataVersion);
    bool remove();

    // "Ok" and "Cancel": after the unsaved-changes question, what the caller does with the database.
    enum class Closing { Stay, WriteLists, ReloadLists, Close };
    Closing ok();
    Closing cancel();

    // Today, for the due-year check; tests set their own.
    std::function<QDate()> today = [] { return QDate::currentDate(); };

private:
    std::vector<InstrumentEntry>& list() { return m_lists.list(m_kind); }
    bool discardChanges(const QString& whatNext);
    void clearPages();
    void loadPages(const InstrumentEntry& entry);
    InstrumentEntry storedPages() const;
    // Refuses, naming the field, pages holding a value that is no finite number: a field whose text could not be
    // read arrives here as NaN.
    bool valuesReadable(const InstrumentEntry& entry);
    bool checkForAdd(const InstrumentEntry& entry);
    bool dueYearValid(const InstrumentEntry& entry);
    void warnMicrophonesWithoutSensitivity();
    void rememberPosition();

    InstrumentLists& m_lists;
    MessageBox& m_messages;
    SettingsStore& m_settings;
    InstrumentKind m_kind = InstrumentKind::SoundLevelMeter;
    int m_position = -1;       // the list entry the working copy copies; -1: no working copy
    InstrumentEntry m_working; // the selected entry as selected, then as last updated
    InstrumentEntry m_pages;
    bool m_pagesModified = false;
    bool m_addEnabled = true;
    bool m_everSelected = false;
};

} // namespace orvik
