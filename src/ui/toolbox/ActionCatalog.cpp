#include "ui/toolbox/ActionCatalog.h"

#include "core/editing/EditingTexts.h"
#include "core/extraction/ExtractionTexts.h"
#include "ui/toolbox/ActionTexts.h"

namespace vq {

using namespace texts;

namespace {

constexpr std::array<ActionInfo, kActionCount> kActions = {{
    // File
    {Act::NewIniFile, "actNewIniFile", kCapNew, kHintNew, "Ctrl+N", "actNewIniFile"},
    {Act::OpenIniFile, "actOpenIniFile", kCapOpen, kHintOpen, "Ctrl+O", "actOpenIniFile"},
    {Act::OpenSamples, "actOpenSamples", kCapOpenSamples, Phrase(""), "", "actOpenSamples"},
    {Act::Reload, "actReload", kCapReload, kHintReload, "", "actReload"},
    {Act::OpenWithNotepad, "actOpenWithNotepad", kCapNotepad, kHintNotepad, "", "actOpenWithNotepad"},
    {Act::Save, "actSave", kCapSave, kHintSave, "Ctrl+S", "actSave"},
    {Act::SaveAs, "actSaveAs", kCapSaveAs, kHintSaveAs, "", "actSaveAs"},
    {Act::Exit, "actExit", kCapExit, kHintExit, "", "actExit"},
    // Edit
    {Act::Undo, "actUndo", kCapUndo, kHintUndo, "Ctrl+Z", "actUndo"},
    {Act::Redo, "actRedo", kCapRedo, kHintRedo, "Ctrl+Y; Ctrl+Shift+Z", "actRedo"},
    {Act::InsertLine, "actInsertLine", kCapInsertUp, kHintInsertUp, "", "actInsertLine"},
    {Act::InsertLineDn, "actInsertLineDn", kCapInsertDown, kHintInsertDown, "", "actInsertLineDn"},
    {Act::EditLine, "actEditLine", kCapEditLine, kHintEditLine, "", "actEditLine"},
    {Act::UnRem, "actUnRem", kCapUnRem, kHintUnRem, "", "actUnRem"},
    {Act::RemLine, "actRemLine", kCapRemLine, kHintRemLine, "", "actRemLine"},
    {Act::RestoreLine, "actRestoreLine", kCapRestoreLine, kHintRestoreLine, "", "actRestoreLine"},
    {Act::Restore, "actRestore", kCapRestoreAll, kHintRestoreAll, "", "actRestore"},
    {Act::DelLine, "actDelLine", kCapDelLine, kHintDelLine, "", "actDelLine"},
    // Tools
    {Act::Find, "actFind", kCapFind, kHintFind, "Ctrl+F", "actFind"},
    {Act::FindNext, "actFindNext", kCapFindNext, kHintFindNext, "F3", "actFindNext"},
    {Act::SaveAll, "actSaveAll", kCapSaveAll, kHintSaveAll, "", "actSaveAll"},
    {Act::SaveSel, "actSaveSel", kCapSaveSel, kHintSaveSel, "", "actSaveSel"},
    {Act::SaveTree, "actSaveTree", kCapSaveTree, kHintSaveTree, "", "actSaveTree"},
    {Act::RefreshTree, "actRefreshTree", kCapRefreshTree, kHintRefreshTree, "", "actRefreshTree"},
    // Options and help
    {Act::Configuration, "actConfiguration", kCapConfiguration, kHintConfiguration, "", "actConfiguration"},
    {Act::HelpTopic, "actHelpTopic", kCapHelpTopic, kHintHelpTopic, "F1", "actHelpTopic"},
    {Act::Report, "actReport", kCapReport, Phrase(""), "", "actReport"},
    {Act::About, "actAbout", kCapAbout, kHintAbout, "", "actAbout"},
    // Operation log and target text
    {Act::GotoLineByLog, "actGotoLineByLog", kCapGotoLineByLog, Phrase(""), "", "actGotoLineByLog"},
    {Act::CopyLogLine, "actCopyLogLine", kCapCopyLogLine, Phrase(""), "", "actCopyLogLine"},
    {Act::RECopy, "actRECopy", kCapRECopy, Phrase(""), "", "actRECopy"},
    {Act::RESelAll, "actRESelAll", kCapRESelAll, Phrase(""), "", "actRESelAll"},
}};

constexpr bool InActOrder() {
    for (std::size_t i = 0; i < kActions.size(); ++i)
        if (static_cast<std::size_t>(kActions[i].id) != i)
            return false;
    return true;
}
static_assert(InActOrder(), "the catalogue must list the commands in the order of Act");

}  // namespace

const std::array<ActionInfo, kActionCount>& ActionCatalog() { return kActions; }

}  // namespace vq
