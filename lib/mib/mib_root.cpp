#include "lib/mib/mib_root.h"

namespace halvora {

StandardFamily::StandardFamily() : MibGroup(kStandardGroup, {&phy_, &res_, &mac_, &smt_}) {}

MibRoot::MibRoot(std::unique_ptr<AdapterInstance> instance)
    : MibGroup(kRootGroup, {&private_, &reserved_, &standard_}), owned_(std::move(instance)) {}

// The instance goes first; the nodes after it, in reverse order of construction.
MibRoot::~MibRoot() { owned_.reset(); }

Status MibRoot::Bind(AdapterInstance* instance) {
    instance_ = instance;
    return MibGroup::Bind(instance);
}

std::unique_ptr<MibNode> CreateBoundMib(std::unique_ptr<AdapterInstance> instance) {
    auto root = std::make_unique<MibRoot>(std::move(instance));
    root->BindOwned();
    return root;
}

}  // namespace halvora
