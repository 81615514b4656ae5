// One worker's private database handle; turns a row's address into its four results.
#ifndef QUORVANE_BATCH_LOOKUP_SESSION_H_
#define QUORVANE_BATCH_LOOKUP_SESSION_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "batch/address_table.h"
#include "batch/record_cache.h"
#include "batch/result_store.h"
#include "loaded_image.h"
#include "quorvane/region.h"

namespace quorvane {

class CLookupSession {
  public:
    // Opens dbPath with the engine by the name the run's existence check used (OpenDatabase: not
    // in the narrow character set, which may differ); a database that cannot be opened makes
    // every lookup a miss. Records are made in store, which must outlive the session; the first
    // form keeps a store of its own.
    explicit CLookupSession(std::u16string_view dbPath);
    CLookupSession(std::u16string_view dbPath, CResultStore& store);
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
    void Open(std::u16string_view dbPath);
    const ResultTexts* Search(std::uint32_t address);
    // The store's record for a data pointer of m_image (0: none), through the cache.
    const ResultTexts* RecordFor(std::uint32_t pointer);
    // REQUIRES: pointer names a record of m_image that RegionFindRecord returned.
    std::string_view RecordText(std::uint32_t pointer) const;

    region_handle m_handle{};
    // The handle's loaded image; image is null until the first search has loaded it.
    RegionImageView m_image{};
    std::unique_ptr<CResultStore> m_ownStore;
    CResultStore& m_store;
    CRecordCache m_cache;
};

}  // namespace quorvane

#endif  // QUORVANE_BATCH_LOOKUP_SESSION_H_
