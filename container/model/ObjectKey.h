#pragma once
// The key of an object in a Model, and of a selected object in the inspector: any copyable, ordered,
// comparable value. Keys of different types are ordered by their type_info; keys of one type by its `<`.

#include <boost/mpl/vector.hpp>
#include <boost/type_erasure/any.hpp>
#include <boost/type_erasure/builtin.hpp>
#include <boost/type_erasure/operators.hpp>
#include <boost/type_erasure/relaxed.hpp>

namespace trv::container::model {

using ObjectKey = boost::type_erasure::any<
    boost::mpl::vector<boost::type_erasure::typeid_<>, boost::type_erasure::copy_constructible<>,
                       boost::type_erasure::less_than_comparable<>,
                       boost::type_erasure::equality_comparable<>, boost::type_erasure::relaxed>>;

}  // namespace trv::container::model

namespace trv {
using container::model::ObjectKey;
}  // namespace trv
