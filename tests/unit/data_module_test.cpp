// The module data objects: construction, model content, signal forwarding and destruction.

#include <gtest/gtest.h>

#include <boost/type_erasure/any_cast.hpp>
#include <typeinfo>

#include "container/model/Transaction.h"
#include "host/trv_dbo/dbo.h"
#include "lib/properties/control_param/src/module_data.h"
#include "tests/unit/signal_positions.h"

namespace {

using namespace trv::control_param;
using namespace trv::control_param::data;
using trv::container::model::Transaction;

struct FactoryCase {
  int type;
  std::type_info const& module;
};

class Factory : public testing::TestWithParam<FactoryCase> {};

TEST_P(Factory, MakesTheModuleOfTheTableWithItsDefaultRecordSelected) {
  auto module = createModule(static_cast<ProgrammTypes>(GetParam().type), 0);
  ASSERT_TRUE(module);
  EXPECT_EQ(module.use_count(), 1);
  EXPECT_EQ(typeid(*module), GetParam().module);
  EXPECT_EQ(module->programType, GetParam().type);
  ASSERT_EQ(module->configuration->selectionManager->selected.size(), 1u);
  EXPECT_EQ(boost::type_erasure::any_cast<int>(*module->configuration->selectionManager->selected.begin()), 0);
  EXPECT_TRUE(module->model->contains(RecordKey));
  EXPECT_EQ(module->connections.size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, Factory,
    testing::Values(FactoryCase{0, typeid(OrinData)}, FactoryCase{1, typeid(OrinData)},
                    FactoryCase{2, typeid(OrinData)}, FactoryCase{3, typeid(OrinData)},
                    FactoryCase{4, typeid(PeluData)}, FactoryCase{5, typeid(PeluData)},
                    FactoryCase{6, typeid(NevoData)}, FactoryCase{7, typeid(NevoData)},
                    FactoryCase{8, typeid(ZutherData)}, FactoryCase{9, typeid(ZutherData)},
                    FactoryCase{10, typeid(OrinData)}, FactoryCase{11, typeid(BraxData)}));

TEST(ModuleData, RecordIsTheDefaultOfItsType) {
  auto orin = std::static_pointer_cast<OrinData>(createModule(ORIN_E, 0));
  EXPECT_TRUE(orin->record() == ORIN_Control_Properties{});
  EXPECT_THROW(orin->model->get<PELU_Control_Properties>(RecordKey), std::runtime_error);
}

TEST(ModuleData, AsksTheModelQueriesOnceEachAndKeepsTheAnswers) {
  trv::dbo::standin::setModel(77, {true, false, true, false, true});
  int const before = trv::dbo::standin::queryCount();
  auto module = createModule(PELU_A, 77);
  EXPECT_EQ(trv::dbo::standin::queryCount() - before, 5);
  EXPECT_TRUE(module->modelContent.hasQuads);
  EXPECT_FALSE(module->modelContent.hasBrics);
  EXPECT_TRUE(module->modelContent.hasBeams);
  EXPECT_FALSE(module->modelContent.hasCables);
  EXPECT_TRUE(module->modelContent.hasSprings);
  auto unknown = createModule(PELU_A, 78);  // a handle the host does not know holds nothing
  EXPECT_FALSE(unknown->modelContent.hasQuads || unknown->modelContent.hasBrics || unknown->modelContent.hasBeams ||
               unknown->modelContent.hasCables || unknown->modelContent.hasSprings);
  trv::dbo::standin::clearModels();
}

TEST(ModuleData, ForwardsModelChangesToTheInspectorSignalsInOrder) {
  auto module = createModule(NEVO_B, 0);
  auto& configuration = *module->configuration;
  SignalPositions positions(*configuration.signals);
  int selectionChanges = 0;
  configuration.selectionManager->changed.connect([&] { ++selectionChanges; });
  {
    Transaction t(*module->model);
    t.insert(trv::ObjectKey(1), 1);
    t.insert(trv::ObjectKey(2), 2);
    t.commit();
  }
  configuration.selectionManager->selected.insert(trv::ObjectKey(2));
  {
    Transaction t(*module->model);
    t.get<NEVO_Control_Properties>(RecordKey).modify().gen = 0.5;
    t.get<int>(trv::ObjectKey(1)).modify() = 3;
    t.commit();
  }
  {
    Transaction t(*module->model);
    t.erase(trv::ObjectKey(2));
    t.erase(trv::ObjectKey(1));
    t.commit();
  }
  EXPECT_EQ(positions.seen,
            (std::vector<std::string>{"0:1", "1:1", "0:2", "1:2", "2:0", "3:0", "2:1", "3:1", "7:[2,1,]", "4:2",
                                      "4:1", "6:[2,1,]", "5:2", "5:1"}));
  EXPECT_EQ(selectionChanges, 1);
  ASSERT_EQ(configuration.selectionManager->selected.size(), 1u);
  EXPECT_EQ(boost::type_erasure::any_cast<int>(*configuration.selectionManager->selected.begin()), 0);
}

TEST(ModuleData, DestructionDisconnectsAndReleasesInOrderWithoutSignals) {
  auto module = createModule(ORIN_A, 0);
  std::weak_ptr<trv::container::model::Model> model = module->model;
  auto configuration = module->configuration;
  SignalPositions positions(*configuration->signals);
  module.reset();
  EXPECT_TRUE(model.expired() || model.use_count() > 0);  // properties may still share the model
  EXPECT_TRUE(positions.seen.empty());
  EXPECT_EQ(configuration.use_count(), 1);  // the handlers let go of it
}

}  // namespace
