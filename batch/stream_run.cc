#include "batch/stream_run.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <new>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "batch/address_block.h"
#include "batch/address_list.h"
#include "batch/dense_record_table.h"
#include "batch/ipv6_rows.h"
#include "batch/lookup_session.h"
#include "batch/result_store.h"

namespace quorvane {

namespace {

// A chunk ends at whichever comes first: enough rows that handing chunks between threads costs
// nothing next to resolving them, or enough text that a list of long lines stays small.
constexpr std::size_t kChunkRows = 8192;
constexpr std::size_t kChunkBytes = std::size_t{1} << 20;
// Room reserved per row of output beyond its address: a comma and four fields in most lists.
constexpr std::size_t kTailBytesPerRow = 48;

struct Chunk {
    CAddressBlock addresses;
    std::size_t textBytes = 0;
    std::string output;  // the chunk's export lines, once resolved
    bool resolved = false;
    std::uint64_t ipv6Unresolved = 0;
};

std::unique_ptr<Chunk> NewChunk() {
    auto chunk = std::make_unique<Chunk>();
    chunk->addresses.Reserve(kChunkRows, kChunkRows * 16);
    return chunk;
}

// Thrown by the reading side to leave CTextFile::ReadAllLines once the run has stopped.
struct StopReading {};

// One worker's lookup session; one that meets a chunk that may hold IPv6 rows first waits for
// region6.db, and searches it from then on.
class CWorkerSession {
  public:
    CWorkerSession(SharedDatabase database, const StreamSettings& settings, CResultStore& store,
                   CDenseRecordTable& shared6)
        : m_database(std::move(database)),
          m_source(settings.database6),
          m_store(store),
          m_shared6(shared6) {}

    CLookupSession& For(bool mayHoldIpv6) {
        if (mayHoldIpv6 && m_source != nullptr) {
            m_database6 = m_source->Wait().database;
            m_source = nullptr;
            m_session.reset();
        }
        if (!m_session) {
            m_session = std::make_unique<CLookupSession>(m_database, m_store, m_database6);
            m_session->ShareIpv6Records(&m_shared6);
        }
        return *m_session;
    }
    bool HasIpv6Database() const { return m_database6 != nullptr; }

  private:
    SharedDatabase m_database;
    SharedDatabase m_database6;
    CDatabaseSource* m_source;  // null once asked
    CResultStore& m_store;
    CDenseRecordTable& m_shared6;
    std::unique_ptr<CLookupSession> m_session;
};

// Rows resolved in one call and then written while their records are still in the caches.
constexpr std::size_t kRowsPerPass = 64;

void ResolveChunk(Chunk& chunk, CWorkerSession& worker) {
    const CAddressBlock& rows = chunk.addresses;
    const std::size_t count = rows.Count();
    const bool mayHoldIpv6 = MayHoldIpv6Rows(rows);
    CLookupSession& session = worker.For(mayHoldIpv6);
    chunk.output.reserve(chunk.textBytes + count * kTailBytesPerRow);
    const ResultTexts* records[kRowsPerPass];
    for (std::size_t begin = 0; begin < count; begin += kRowsPerPass) {
        const std::size_t end = std::min(count, begin + kRowsPerPass);
        session.ResolveRows(rows, begin, end, records);
        for (std::size_t row = begin; row < end; ++row) {
            AppendResolvedLine(rows, row, records[row - begin], chunk.output);
        }
    }
    if (mayHoldIpv6 && !worker.HasIpv6Database()) {
        chunk.ipv6Unresolved = CountIpv6Rows(rows, count);
    }
}

class CStreamRun {
  public:
    CStreamRun(CTextFile& input, const StreamSettings& settings, StreamRecords& records)
        : m_input(input),
          m_settings(settings),
          m_records(records),
          m_window(static_cast<std::size_t>(settings.threads) + 3) {}

    StreamOutcome Run();
    // The reading side: queues chunk for the workers, waiting while the window is full. The first
    // chunk opens the output and starts the threads. Throws StopReading once the run has stopped.
    void Hand(std::unique_ptr<Chunk> chunk);
    // An empty chunk, one written before when there is one: a chunk's room is reused rather than
    // allocated, and paged in, anew for every chunk of a long list.
    std::unique_ptr<Chunk> SpareChunk();

  private:
    void Recycle(std::unique_ptr<Chunk> chunk);
    void ReadAll();
    bool Start();
    void Stop(StreamOutcome::Kind kind, FileError error);
    void EndInput();
    void Work();
    Chunk* NextToResolve();
    void MarkResolved(Chunk& chunk);
    void Write();
    std::unique_ptr<Chunk> NextToWrite();
    void Finish();

    CTextFile& m_input;
    const StreamSettings& m_settings;
    StreamRecords& m_records;
    // Chunks between reading and writing, at most: one for each worker, one being written and two
    // read ahead, so that no thread waits for want of a chunk.
    const std::size_t m_window;
    SharedDatabase m_database;  // set before the threads start
    std::unique_ptr<CTextFile> m_output;
    std::vector<std::thread> m_threads;
    bool m_started = false;       // reading side only
    bool m_asked6 = false;        // reading side only
    std::uint64_t m_written = 0;  // writing side only

    std::mutex m_lock;
    std::condition_variable m_workReady;  // workers: a chunk to resolve, the end, or a stop
    std::condition_variable m_chunkDone;  // writer: a chunk resolved, the end, or a stop
    std::condition_variable m_roomFreed;  // reader: a chunk taken for writing, or a stop
    std::deque<std::unique_ptr<Chunk>> m_inFlight;  // input order, oldest first
    std::deque<Chunk*> m_toResolve;
    std::vector<std::unique_ptr<Chunk>> m_spare;
    bool m_inputEnded = false;
    bool m_stopped = false;
    StreamOutcome m_outcome;
};

// Gathers lines into chunks and hands each full one to the run.
class CChunkSink : public CTextFile::CLineSink {
  public:
    explicit CChunkSink(CStreamRun& run) : m_run(run), m_chunk(run.SpareChunk()) {}
    void OnAsciiLine(std::string_view line) override {
        m_chunk->addresses.AppendAscii(line);
        Added(line.size());
    }
    void OnLine(std::u16string_view line) override {
        m_chunk->addresses.Append(line);
        Added(line.size() * sizeof(char16_t));
    }
    std::unique_ptr<Chunk> Take() { return std::move(m_chunk); }

  private:
    void Added(std::size_t bytes) {
        m_chunk->textBytes += bytes;
        if (m_chunk->addresses.Count() >= kChunkRows || m_chunk->textBytes >= kChunkBytes) {
            m_run.Hand(std::move(m_chunk));
            m_chunk = m_run.SpareChunk();
        }
    }

    CStreamRun& m_run;
    std::unique_ptr<Chunk> m_chunk;
};

StreamOutcome CStreamRun::Run() {
    ReadAll();
    for (std::thread& thread : m_threads) {
        thread.join();
    }
    Finish();
    return m_outcome;
}

void CStreamRun::ReadAll() {
    try {
        CChunkSink sink(*this);
        m_input.ReadAllLines(sink);
        if (!m_input.Close()) {
            Stop(StreamOutcome::Kind::kReadFailed, m_input.Error());
            return;
        }
        std::unique_ptr<Chunk> last = sink.Take();
        if (last->addresses.Count() > 0) {
            Hand(std::move(last));
        }
        EndInput();
    } catch (const StopReading&) {
        // the cause is recorded already
    } catch (const std::bad_alloc&) {  // one endless line
        Stop(StreamOutcome::Kind::kReadFailed, FileError{FileProblem::kOutOfMemory});
    } catch (const std::length_error&) {
        Stop(StreamOutcome::Kind::kReadFailed, FileError{FileProblem::kOutOfMemory});
    }
}

void CStreamRun::Hand(std::unique_ptr<Chunk> chunk) {
    // region6.db starts loading while the workers are still busy with what came before, or
    // while the first database is still loading.
    if (!m_asked6 && m_settings.database6 != nullptr && MayHoldIpv6Rows(chunk->addresses)) {
        m_asked6 = true;
        m_settings.database6->Request();
    }
    if (!m_started && !Start()) {
        throw StopReading{};
    }
    std::unique_lock<std::mutex> guard(m_lock);
    m_roomFreed.wait(guard, [this] { return m_stopped || m_inFlight.size() < m_window; });
    if (m_stopped) {
        throw StopReading{};
    }
    m_toResolve.push_back(chunk.get());
    m_inFlight.push_back(std::move(chunk));
    guard.unlock();
    m_workReady.notify_one();
}

bool CStreamRun::Start() {
    m_started = true;
    m_database = m_settings.awaitDatabase();
    if (!m_database) {
        Stop(StreamOutcome::Kind::kNoDatabase, FileError{});
        return false;
    }
    if (m_settings.openOutput) {
        m_output = m_settings.openOutput();
    }
    if (!m_output || !m_output->IsOpen()) {
        Stop(StreamOutcome::Kind::kWriteFailed,
             m_output ? m_output->Error() : FileError{FileProblem::kOther});
        return false;
    }
    m_output->Truncate();
    try {
        m_threads.emplace_back([this] { Write(); });
        for (unsigned i = 0; i < m_settings.threads; ++i) {
            m_threads.emplace_back([this] { Work(); });
        }
    } catch (const std::system_error&) {
        // Fewer workers than asked for still finish the run; none, or no writer, cannot.
        if (m_threads.size() < 2) {
            Stop(StreamOutcome::Kind::kNoThreads, FileError{});
            return false;
        }
    }
    return true;
}

void CStreamRun::Stop(StreamOutcome::Kind kind, FileError error) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_stopped) {
            return;  // the first cause is the one reported
        }
        m_stopped = true;
        m_outcome.kind = kind;
        m_outcome.error = error;
    }
    m_workReady.notify_all();
    m_chunkDone.notify_all();
    m_roomFreed.notify_all();
}

void CStreamRun::EndInput() {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_inputEnded = true;
    }
    m_workReady.notify_all();
    m_chunkDone.notify_all();
}

void CStreamRun::Work() {
    try {
        CWorkerSession worker(m_database, m_settings, m_records.store, m_records.ipv6);
        while (Chunk* chunk = NextToResolve()) {
            ResolveChunk(*chunk, worker);
            MarkResolved(*chunk);
        }
    } catch (const std::bad_alloc&) {
        // A record or a chunk's output could not be made: the rest would be answered wrongly.
        Stop(StreamOutcome::Kind::kOutOfMemory, FileError{});
    }
}

Chunk* CStreamRun::NextToResolve() {
    std::unique_lock<std::mutex> guard(m_lock);
    m_workReady.wait(guard, [this] { return m_stopped || !m_toResolve.empty() || m_inputEnded; });
    if (m_stopped || m_toResolve.empty()) {
        return nullptr;
    }
    Chunk* chunk = m_toResolve.front();
    m_toResolve.pop_front();
    return chunk;
}

void CStreamRun::MarkResolved(Chunk& chunk) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        chunk.resolved = true;
    }
    m_chunkDone.notify_one();
}

void CStreamRun::Write() {
    while (std::unique_ptr<Chunk> chunk = NextToWrite()) {
        m_output->WriteBytes(chunk->output);
        if (const FileError error = m_output->Error()) {
            Stop(StreamOutcome::Kind::kWriteFailed, error);
            return;
        }
        m_written += chunk->addresses.Count();
        m_outcome.ipv6Unresolved += chunk->ipv6Unresolved;
        if (m_settings.onProgress) {
            m_settings.onProgress(m_written);
        }
        Recycle(std::move(chunk));
    }
}

std::unique_ptr<Chunk> CStreamRun::SpareChunk() {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (!m_spare.empty()) {
            std::unique_ptr<Chunk> chunk = std::move(m_spare.back());
            m_spare.pop_back();
            return chunk;
        }
    }
    return NewChunk();
}

void CStreamRun::Recycle(std::unique_ptr<Chunk> chunk) {
    chunk->addresses.ClearKeepingRoom();
    chunk->textBytes = 0;
    chunk->output.clear();
    chunk->resolved = false;
    chunk->ipv6Unresolved = 0;
    std::lock_guard<std::mutex> guard(m_lock);
    m_spare.push_back(std::move(chunk));
}

std::unique_ptr<Chunk> CStreamRun::NextToWrite() {
    std::unique_lock<std::mutex> guard(m_lock);
    m_chunkDone.wait(guard, [this] {
        return m_stopped || (!m_inFlight.empty() && m_inFlight.front()->resolved) ||
               (m_inputEnded && m_inFlight.empty());
    });
    if (m_stopped || m_inFlight.empty()) {
        return nullptr;
    }
    std::unique_ptr<Chunk> chunk = std::move(m_inFlight.front());
    m_inFlight.pop_front();
    guard.unlock();
    m_roomFreed.notify_one();
    return chunk;
}

// Every thread has ended. A named output is replaced only by a run that read, resolved and wrote
// everything; otherwise it goes without Close and keeps what it held.
void CStreamRun::Finish() {
    m_outcome.rows = m_written;
    if (m_outcome.kind != StreamOutcome::Kind::kDone) {
        return;
    }
    if (!m_started) {
        m_outcome.kind = StreamOutcome::Kind::kEmptyInput;
        return;
    }
    if (!m_output->Close()) {
        m_outcome.kind = StreamOutcome::Kind::kWriteFailed;
        m_outcome.error = m_output->Error();
    }
}

}  // namespace

StreamOutcome RunStream(CTextFile& input, const StreamSettings& settings, StreamRecords& records) {
    CStreamRun run(input, settings, records);
    return run.Run();
}

}  // namespace quorvane
