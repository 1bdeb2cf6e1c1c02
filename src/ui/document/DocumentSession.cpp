#include "ui/document/DocumentSession.h"

#include "core/document/SignEncoding.h"
#include "core/document/TreeBuilder.h"
#include "ui/document/LogModel.h"
#include "ui/document/RowModel.h"
#include "ui/document/TargetTextBinder.h"
#include "ui/document/TopicTreeModel.h"

#include "core/document/DocumentTexts.h"
#include "core/editing/EditingTexts.h"
#include "core/extraction/ExtractionTexts.h"

#include <utility>

namespace vq {

DocumentSession::DocumentSession()
    : m_codec(m_document), m_rows(std::make_unique<RowModel>(m_document, m_codec)),
      m_tree(std::make_unique<TopicTreeModel>(m_document, m_codec)),
      m_log(std::make_unique<LogModel>(m_document, m_codec)) {
    m_document.addListener(&m_relay);
    m_history.setChangeHandler([this] { emit historyChanged(); });
}

DocumentSession::~DocumentSession() { m_document.removeListener(&m_relay); }

void DocumentSession::bindTargetText(TargetTextView* view) {
    m_textBinder.reset();
    m_textBinder = std::make_unique<TargetTextBinder>(m_document, m_codec, view);
    // The session's signals go out after the view has caught up.
    m_document.removeListener(&m_relay);
    m_document.addListener(&m_relay);
}

void DocumentSession::Relay::targetChanged() {
    if (m_inBatch)
        m_targetChanged = true;
    else
        emit m_session.targetChanged();
}

void DocumentSession::Relay::changesEnd() {
    m_inBatch = false;
    if (std::exchange(m_targetChanged, false))
        emit m_session.targetChanged();
}

bool DocumentSession::setCharset(int charset) {
    if (LegacyCodecName(charset) == m_codec.legacyName())
        return false;
    m_codec.setCharset(charset);
    if (m_textBinder)
        m_textBinder->reload();
    m_rows->refreshAll();
    return true;
}

void DocumentSession::startNew() {
    m_document.setUntitled();
    m_document.showFileNameInCaption();
    m_document.setTextMirrorsList(true, texts::kTextMirrorsList);
    m_document.clearLog();
    m_history.clear();
}

void DocumentSession::unload(const Progress& progress) {
    m_history.clear();
    UnloadDocument(m_document, progress);
}

void DocumentSession::takeLoaded(const std::string& path, LoadResult& loaded) {
    Document::ChangeBatch batch(m_document);
    swapInLoaded(path, loaded);
    m_history.clear();
}

void DocumentSession::takeReloaded(const std::string& path, LoadResult& loaded) {
    Document::ChangeBatch batch(m_document);
    m_history.clear();
    {
        UndoHistory::Step step(m_history, texts::kCapReload);
        swapInLoaded(path, loaded);
    }
    m_history.markSaved();
}

void DocumentSession::swapInLoaded(const std::string& path, LoadResult& loaded) {
    m_document.setLoading(true);
    m_document.clearLog();
    m_document.setFileName(path);
    m_document.addLogEntry(kLogSummary, FormatMessage(texts::kOpenLogEntry, {path}), {});
    m_document.takeContentFrom(*loaded.document);
    m_document.setFileForm(loaded.form);
    m_document.setDiskFile(std::move(loaded.file));
    m_document.setTextMirrorsList(true, texts::kTextMirrorsList);
    m_document.setLoading(false);
    m_document.setModified(false);
    m_document.showFileNameInCaption();
}

void DocumentSession::markSaved() { m_history.markSaved(); }

bool DocumentSession::analyse(const AnalysisSettings& typed, const Progress& progress, std::string* error) {
    return BuildTopicTree(m_document, settingsForDocument(typed), progress, error);
}

AnalysisSettings DocumentSession::settingsForDocument(const AnalysisSettings& typed) const {
    return SignsForDocument(typed, m_document.encoding(), m_codec.codePage());
}

}  // namespace vq
