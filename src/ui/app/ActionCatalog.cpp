#include "app/ActionCatalog.h"

#include "Texts.h"

namespace vq {

using namespace texts;

static const ActionInfo kActions[] = {
    // File
    {"actNewIniFile", kCapNew, kHintNew, "Ctrl+N", "actNewIniFile"},
    {"actOpenIniFile", kCapOpen, kHintOpen, "Ctrl+O", "actOpenIniFile"},
    {"actOpenSamples", kCapOpenSamples, "", "", "actOpenSamples"},
    {"actReload", kCapReload, kHintReload, "", "actReload"},
    {"actOpenWithNotepad", kCapNotepad, kHintNotepad, "", "actOpenWithNotepad"},
    {"actSave", kCapSave, kHintSave, "Ctrl+S", "actSave"},
    {"actSaveAs", kCapSaveAs, kHintSaveAs, "", "actSaveAs"},
    {"actExit", kCapExit, kHintExit, "", "actExit"},
    // Edit
    {"actInsertLine", kCapInsertUp, kHintInsertUp, "", "actInsertLine"},
    {"actInsertLineDn", kCapInsertDown, kHintInsertDown, "", "actInsertLineDn"},
    {"actEditLine", kCapEditLine, kHintEditLine, "", "actEditLine"},
    {"actUnRem", kCapUnRem, kHintUnRem, "", "actUnRem"},
    {"actRemLine", kCapRemLine, kHintRemLine, "", "actRemLine"},
    {"actRestoreLine", kCapRestoreLine, kHintRestoreLine, "", "actRestoreLine"},
    {"actRestore", kCapRestoreAll, kHintRestoreAll, "", "actRestore"},
    {"actDelLine", kCapDelLine, kHintDelLine, "", "actDelLine"},
    // Tools
    {"actFind", kCapFind, kHintFind, "Ctrl+F", "actFind"},
    {"actFindNext", kCapFindNext, kHintFindNext, "F3", "actFindNext"},
    {"actSaveAll", kCapSaveAll, kHintSaveAll, "", "actSaveAll"},
    {"actSaveSel", kCapSaveSel, kHintSaveSel, "", "actSaveSel"},
    {"actSaveTree", kCapSaveTree, kHintSaveTree, "", "actSaveTree"},
    {"actRefreshTree", kCapRefreshTree, kHintRefreshTree, "", "actRefreshTree"},
    // Options and help
    {"actConfiguration", kCapConfiguration, kHintConfiguration, "", "actConfiguration"},
    {"actHelpTopic", kCapHelpTopic, kHintHelpTopic, "F1", "actHelpTopic"},
    {"actReport", kCapReport, "", "", "actReport"},
    {"actAbout", kCapAbout, kHintAbout, "", "actAbout"},
    // Operation log and target text
    {"actGotoLineByLog", kCapGotoLineByLog, "", "", "actGotoLineByLog"},
    {"actCopyLogLine", kCapCopyLogLine, "", "", "actCopyLogLine"},
    {"actRECopy", kCapRECopy, "", "", "actRECopy"},
    {"actRESelAll", kCapRESelAll, "", "", "actRESelAll"},
};

const ActionInfo* ActionCatalog(int* count) {
    *count = static_cast<int>(sizeof(kActions) / sizeof(kActions[0]));
    return kActions;
}

}  // namespace vq
