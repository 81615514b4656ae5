// One worker's view of the run's databases; turns a row's address into its four results.
#ifndef QUORVANE_BATCH_LOOKUP_SESSION_H_
#define QUORVANE_BATCH_LOOKUP_SESSION_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "batch/address_table.h"
#include "batch/database_file.h"
#include "batch/dense_record_table.h"
#include "batch/ipv6_address.h"
#include "batch/record_cache.h"
#include "batch/result_store.h"

namespace quorvane {

class CLookupSession {
  public:
    // Searches database (IPv4) and database6 (IPv6), which the session keeps open for as long as
    // it lives; the workers of a run share them (searches only read them). A null database makes
    // every lookup of its family a miss. Records are made in store, which must outlive the
    // session.
    CLookupSession(SharedDatabase database, CResultStore& store,
                   SharedDatabase database6 = nullptr);
    ~CLookupSession();
    CLookupSession(const CLookupSession&) = delete;
    CLookupSession& operator=(const CLookupSession&) = delete;

    // The record of the store for the address of each row of [begin, end) of addresses, into
    // records[0 .. end - begin) (null: four empty fields). A dotted decimal address (see
    // ParseDottedAddress) is looked up in the IPv4 database, an IPv6 address (see
    // ParseIpv6Address) in the IPv6 one, but for an IPv4-mapped address, which answers as the
    // IPv4 address it stands for. Any other text is not looked up: its record is null. The
    // searches advance side by side, as many at once as the engine finds best.
    // REQUIRES: begin <= end <= addresses.Count().
    void ResolveRows(const CAddressBlock& addresses, std::size_t begin, std::size_t end,
                     const ResultTexts** records);

    // From now on, IPv6 records are looked up in table first and entered there (table is shared
    // by the sessions of a run over the same database6 and store; it must outlive the session),
    // instead of in a cache of the session's own.
    void ShareIpv6Records(CDenseRecordTable* table) { m_shared6 = table; }

  private:
    // How many rows ResolveRows parses into arrays on the stack and hands to the engine in one
    // call; the engine groups its side-by-side searches within the call.
    static constexpr std::size_t kChunk = 64;

    // A row's address as the searches take it.
    struct Parsed {
        enum Family { kNone, kIpv4, kIpv6 } family = kNone;
        std::uint32_t v4 = 0;
        Ipv6Address v6;
    };
    template <typename Char>
    static Parsed Parse(std::basic_string_view<Char> text);
    // The records for count addresses given as numbers (as ParseDottedAddress gives them), and
    // for count IPv6 addresses searched as they are (an IPv4-mapped one included): records[i]
    // is the record for addresses[i]. REQUIRES: count <= kChunk.
    void SearchMany(const std::uint32_t* addresses, std::size_t count, const ResultTexts** records);
    void SearchMany6(const Ipv6Address* addresses, std::size_t count, const ResultTexts** records);
    // The store's records for count records of database found together: the cache's entries for
    // all of them are fetched before the first is read.
    void RecordsFor(const quorvane_db* database, CRecordCache& cache,
                    const quorvane_db_record* found, std::size_t count,
                    const ResultTexts** records);
    // The store's record for a record of database (0: none), through its cache.
    const ResultTexts* RecordFor(const quorvane_db* database, CRecordCache& cache,
                                 quorvane_db_record record);
    // The same for a record of m_database6, through m_shared6 when set.
    const ResultTexts* Record6For(quorvane_db_record record);

    SharedDatabase m_database;
    SharedDatabase m_database6;
    CResultStore& m_store;
    CRecordCache m_cache;   // records of m_database
    CRecordCache m_cache6;  // records of m_database6: the two families number theirs apart
    CDenseRecordTable* m_shared6 = nullptr;  // used instead of m_cache6 when set
};

}  // namespace quorvane

#endif  // QUORVANE_BATCH_LOOKUP_SESSION_H_
