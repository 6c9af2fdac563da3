#pragma once
// Batches over every core: jobs run in worker processes forked from this one,
// each taking the next job whenever it is free, and what each job has to say (its progress line,
// its failures) is written to standard error in job order, as one process
// would write it. The results do not depend on the number of workers.
#include <functional>
#include <string>

namespace app {

// The workers a batch uses unless told: one a core.
int DefaultJobs();

// Runs jobs 0..count-1 over at most `workers` processes (the jobs run in this
// process when there is one). Each worker first calls `startWorker` (which
// readies the toolkit), then `run(i, said)` for its jobs: true when job i
// succeeded, with what it has to say appended to `said`. Returns true when
// every job succeeded; a worker that dies is told and the job it had taken
// counts as failed.
bool RunJobs(int count, int workers, const std::function<void()>& startWorker,
             const std::function<bool(int, std::string&)>& run);

}  // namespace app
