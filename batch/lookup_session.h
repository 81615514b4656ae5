// One worker's private database handle; turns a row's address into its four results.
#ifndef QUORVANE_BATCH_LOOKUP_SESSION_H_
#define QUORVANE_BATCH_LOOKUP_SESSION_H_

#include <string>
#include <string_view>
#include <vector>

#include "batch/address_table.h"
#include "quorvane/region.h"

namespace quorvane {

class CLookupSession {
  public:
    // Opens dbPath with the engine, passing it as UTF-8 as the run's existence check does (not
    // in the narrow character set, which may differ); a database that cannot be opened makes
    // every lookup a miss.
    explicit CLookupSession(std::u16string_view dbPath);
    ~CLookupSession();
    CLookupSession(const CLookupSession&) = delete;
    CLookupSession& operator=(const CLookupSession&) = delete;

    // Resolves row.address with the memory search and overwrites country, province, city and
    // provider (a field without a value, or the text "0", becomes empty). An address that is not
    // dotted decimal (see ParseDottedAddress) is not looked up: its four fields become empty.
    void Lookup(AddressRow& row);

  private:
    region_handle m_handle;
};

}  // namespace quorvane

#endif  // QUORVANE_BATCH_LOOKUP_SESSION_H_
