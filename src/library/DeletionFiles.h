#pragma once

#include "library/DeletionJournal.h"

#include <QString>

#include <functional>

// Carries out a face deletion on the files so that no face number is ever left paired with
// another face's pictures: the journal is written first (the commit), then the whole new index
// replaces the old one, then each later face's pictures move down one number by rename. A
// failure or a kill at any step after the commit leaves the journal, from which finishPending()
// completes the deletion; one before it leaves everything as it was.
class DeletionFiles
{
public:
    using Step = std::function<void()>;

    // beforeEachStep runs before every file operation; tests make it throw to cut a deletion short.
    explicit DeletionFiles(QString appDir, Step beforeEachStep = {});

    // Deletes face journal.deleted of journal.faceCount and writes journal.newIndex as the index
    // (the journal's picture survey is made here). Throws AppError at the first failed step;
    // refuses to start while another deletion's journal is pending.
    void run(DeletionJournal journal);

    // Completes the deletion whose journal is in data/; false when there is none. Throws
    // AppError when it cannot, or when the pictures are not where any point of the deletion
    // leaves them (then it moves nothing).
    bool finishPending();

    // Whether a journal is waiting in data/ for its deletion to be completed.
    bool pending() const;

private:
    void step();
    void writeJournal(DeletionJournal &journal, DeletionJournal::State state);
    // The moves still to do for each picture number, found from what is in data/ now.
    std::vector<int> movesDone(const DeletionJournal &journal) const;
    void complete(DeletionJournal &journal, std::vector<int> done);
    // Takes from the hall of fame every face the index no longer has.
    void forgetDeletedFacesFame() const;
    QString picture(int face, int k) const;

    QString m_appDir;
    Step m_beforeEachStep;
};

// Start-up: completes a deletion that a failure or a kill cut short, before the library is read.
// Throws AppError saying so when it cannot.
void finishInterruptedDeletion(const QString &appDir);
