// Real-world EtherNet/IP files, each read with the EtherNet/IP reader
// whatever its sections say: after a save every valued (section, keyword)
// pair is there with its value, every AssemN, ParamN and ConnectionN named in
// a value exists, and a second save changes nothing. The pairs are read
// without the product's scanner (CIPValuePairs.h).

#include "ethernetip/EtherNetIPReader.h"
#include "ethernetip/EtherNetIPWriter.h"

#include "CIPValuePairs.h"
#include "TestFiles.h"

#include <gtest/gtest.h>
#include <iostream>

namespace corvid {
namespace {

TEST(EtherNetIPCorpus, EverySaveKeepsEveryValueAndEveryReference) {
    const auto folder = test::CorpusFolder("ethernetip");
    if (folder.empty())
        GTEST_SKIP() << "no corpus at " << CORVID_CORPUS_DIR << "/ethernetip: skipped";
    size_t pairs = 0;
    size_t kept = 0;
    size_t references = 0;
    size_t broken = 0;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().filename().string());
        const std::string original = test::ReadFile(entry.path());
        CEtherNetIPEDS first;
        LoadEtherNetIPEDSText(first, original, entry.path().string());
        const std::string once = FormatEtherNetIPEDS(first);
        CEtherNetIPEDS second;
        LoadEtherNetIPEDSText(second, once, "once.eds");
        EXPECT_EQ(FormatEtherNetIPEDS(second), once);

        const test::CIPKeptPairs count = test::CountKeptPairs(original, once);
        pairs += count.pairs;
        kept += count.kept;
        EXPECT_TRUE(count.lost.empty()) << count.lost.size() << " lost, first "
                                        << (count.lost.empty() ? "" : count.lost.front());
        // A name the file itself left undefined stays so; no other may break.
        const test::CIPReferences before = test::CountReferences(original);
        const test::CIPReferences after = test::CountReferences(once);
        references += before.references - before.broken.size();
        broken += after.broken.size() - std::min(after.broken.size(), before.broken.size());
        EXPECT_EQ(after.broken, before.broken);
        ++files;
    }
    EXPECT_GT(files, 0);
    std::cout << "EtherNet/IP corpus: " << kept << " of " << pairs << " values kept ("
              << (pairs == 0 ? 100.0 : 100.0 * double(kept) / double(pairs)) << " %), " << broken
              << " of " << references << " references broken\n";
}

} // namespace
} // namespace corvid
