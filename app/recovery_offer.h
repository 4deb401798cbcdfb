#pragma once
// At start: what a run of Penwick that did not end normally left behind (unsaved documents, changed
// settings) is offered back in one question.

namespace penwick {

class TFrameForm;

// Takes the recovery folders of runs whose process is gone and asks once whether to restore them. Yes opens
// each document as a modified window under its own name and puts the settings back in memory; No deletes
// the copies after a second confirmation (declining that keeps them for the next start).
void OfferRecovery(TFrameForm& frame);

}  // namespace penwick
