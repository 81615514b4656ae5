// One worker's view of the run's database; turns a row's address into its four results.
#ifndef QUORVANE_BATCH_LOOKUP_SESSION_H_
#define QUORVANE_BATCH_LOOKUP_SESSION_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "batch/address_table.h"
#include "batch/database_file.h"
#include "batch/record_cache.h"
#include "batch/result_store.h"

namespace quorvane {

class CLookupSession {
  public:
    // Searches database, which the session keeps open for as long as it lives; the workers of
    // a run share one (searches only read it). A null database makes every lookup a miss.
    // Records are made in store, which must outlive the session; the first form keeps a store
    // of its own.
    explicit CLookupSession(SharedDatabase database);
    CLookupSession(SharedDatabase database, CResultStore& store);
    ~CLookupSession();
    CLookupSession(const CLookupSession&) = delete;
    CLookupSession& operator=(const CLookupSession&) = delete;

    // Resolves row.address with the memory search and overwrites country, province, city and
    // provider (a field without a value, or the text "0", becomes empty). An address that is not
    // dotted decimal (see ParseDottedAddress) is not looked up: its four fields become empty.
    void Lookup(AddressRow& row);

    // The record of the store that Lookup would write for this address (null: four empty
    // fields). The first form takes an address of plain ASCII, as CAddressBlock keeps them.
    const ResultTexts* Resolve(std::string_view asciiAddress);
    const ResultTexts* Resolve(std::u16string_view address);

    // How many addresses ResolveRows and SearchMany take in one go; a caller that publishes
    // between calls gains nothing from passing more.
    static constexpr std::size_t kSideBySide = 64;

    // What Resolve gives for each row of [begin, end) of addresses, into records[0 .. end -
    // begin), for less per row than one call each: the searches advance side by side.
    // REQUIRES: begin <= end <= addresses.Count().
    void ResolveRows(const CAddressBlock& addresses, std::size_t begin, std::size_t end,
                     const ResultTexts** records);

    // The records for count addresses given as numbers (as ParseDottedAddress gives them):
    // records[i] is what Resolve returns for addresses[i]. Cheaper per address than one call
    // each: the searches advance side by side.
    void SearchMany(const std::uint32_t* addresses, std::size_t count, const ResultTexts** records);

  private:
    const ResultTexts* Search(std::uint32_t address);
    // The store's record for a record of the database (0: none), through the cache.
    const ResultTexts* RecordFor(quorvane_db_record record);

    SharedDatabase m_database;
    std::unique_ptr<CResultStore> m_ownStore;
    CResultStore& m_store;
    CRecordCache m_cache;
};

}  // namespace quorvane

#endif  // QUORVANE_BATCH_LOOKUP_SESSION_H_
