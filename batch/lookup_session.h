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

    // How many addresses ResolveRows and SearchMany take in one go; a caller that publishes
    // between calls gains nothing from passing more.
    static constexpr std::size_t kSideBySide = 64;

    // The record of the store for the address of each row of [begin, end) of addresses, into
    // records[0 .. end - begin) (null: four empty fields). A dotted decimal address (see
    // ParseDottedAddress) is looked up in the IPv4 database, an IPv6 address (see
    // ParseIpv6Address) in the IPv6 one, but for an IPv4-mapped address, which answers as the
    // IPv4 address it stands for. Any other text is not looked up: its record is null. The
    // searches advance side by side.
    // REQUIRES: begin <= end <= addresses.Count().
    void ResolveRows(const CAddressBlock& addresses, std::size_t begin, std::size_t end,
                     const ResultTexts** records);

    // The records for count addresses given as numbers (as ParseDottedAddress gives them):
    // records[i] is the record for addresses[i]. Cheaper per address than one call
    // each: the searches advance side by side.
    void SearchMany(const std::uint32_t* addresses, std::size_t count, const ResultTexts** records);
    // The same for IPv6 addresses, searched in the IPv6 database as they are (an IPv4-mapped
    // address included).
    void SearchMany6(const Ipv6Address* addresses, std::size_t count, const ResultTexts** records);

  private:
    // A row's address as the searches take it.
    struct Parsed {
        enum Family { kNone, kIpv4, kIpv6 } family = kNone;
        std::uint32_t v4 = 0;
        Ipv6Address v6;
    };
    template <typename Char>
    static Parsed Parse(std::basic_string_view<Char> text);
    // The store's record for a record of database (0: none), through its cache.
    const ResultTexts* RecordFor(const quorvane_db* database, CRecordCache& cache,
                                 quorvane_db_record record);

    SharedDatabase m_database;
    SharedDatabase m_database6;
    CResultStore& m_store;
    CRecordCache m_cache;   // records of m_database
    CRecordCache m_cache6;  // records of m_database6: the two families number theirs apart
};

}  // namespace quorvane

#endif  // QUORVANE_BATCH_LOOKUP_SESSION_H_
