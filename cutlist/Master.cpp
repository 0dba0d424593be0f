#include "cutlist/Master.h"

#include <glpk.h>

#include <algorithm>
#include <cmath>

namespace cutlist::detail {
namespace {

int Milliseconds(double seconds) {
    return int(std::clamp(seconds * 1000.0, 1.0, 1e9));
}

struct IntegerStop {
    double Target;
    const Deadline* Until;
};

// Price-and-branch needs no proof from GLPK, only a plan that meets the
// bound we already have: stop there, or when the search is stopped.
void StopAtTarget(glp_tree* tree, void* info) {
    const auto& stop = *static_cast<const IntegerStop*>(info);
    if (stop.Until->SecondsLeft() <= 0) return glp_ios_terminate(tree);
    if (glp_ios_reason(tree) != GLP_IBINGO) return;
    if (Meets(glp_mip_obj_val(glp_ios_get_prob(tree)), stop.Target)) glp_ios_terminate(tree);
}

} // namespace

Master::Master(const Instance& in, double artificialCost)
    : in_(in), artificialCost_(artificialCost), lp_(glp_create_prob()) {
    glp_term_out(GLP_OFF);
    glp_set_obj_dir(lp_, GLP_MIN);
    const int types = int(in.Demand.size());
    glp_add_rows(lp_, types);
    glp_add_cols(lp_, types);
    for (int t = 1; t <= types; ++t) {
        glp_set_row_bnds(lp_, t, GLP_LO, in.Demand[std::size_t(t - 1)], 0);
        glp_set_col_bnds(lp_, t, GLP_LO, 0, 0);
        glp_set_obj_coef(lp_, t, artificialCost);
        const int row[] = {0, t};
        const double one[] = {0, 1};
        glp_set_mat_col(lp_, t, 1, row, one);
    }
    stockRow_.assign(in.Cost.size(), 0);
    for (std::size_t k = 0; k < in.Cost.size(); ++k)
        if (in.Limit[k] >= 0) {
            stockRow_[k] = glp_add_rows(lp_, 1);
            glp_set_row_bnds(lp_, stockRow_[k], GLP_UP, 0, in.Limit[k]);
        }
}

Master::~Master() {
    glp_delete_prob(lp_);
}

bool Master::Uses(std::size_t p, const Arc& arc) const {
    return std::find(arcs_[p].begin(), arcs_[p].end(), arc) != arcs_[p].end();
}

bool Master::Add(const Column& column) {
    if (!known_.insert(column).second) return false;
    const int j = glp_add_cols(lp_, 1);
    glp_set_col_bnds(lp_, j, GLP_LO, 0, 0);
    glp_set_obj_coef(lp_, j, in_.Cost[std::size_t(column.Stock)]);
    patterns_.push_back(column);
    arcs_.push_back(ArcsOf(in_, column));
    columnOf_.push_back(j);
    lower_.push_back(0);
    std::vector<int> rows{0};
    std::vector<double> values{0};
    for (const auto& [type, copies] : column.Counts) {
        rows.push_back(type + 1);
        values.push_back(copies);
    }
    if (const int row = stockRow_[std::size_t(column.Stock)]; row > 0) {
        rows.push_back(row);
        values.push_back(1);
    }
    for (const Branch& branch : branches_)
        if (Uses(patterns_.size() - 1, branch.On)) {
            rows.push_back(branch.Row);
            values.push_back(1);
        }
    glp_set_mat_col(lp_, j, int(rows.size()) - 1, rows.data(), values.data());
    return true;
}

Master::Outcome Master::Solve(double seconds) {
    glp_smcp parm;
    glp_init_smcp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    parm.meth = rowsChanged_ ? GLP_DUALP : GLP_PRIMAL;
    parm.tm_lim = Milliseconds(seconds);
    int code = glp_simplex(lp_, &parm);
    if (code == GLP_EBADB || code == GLP_ESING || code == GLP_ECOND || code == GLP_EFAIL) {
        glp_adv_basis(lp_, 0);
        code = glp_simplex(lp_, &parm);
    }
    rowsChanged_ = false;
    if (code != 0) return Outcome::Failed;
    switch (glp_get_status(lp_)) {
    case GLP_OPT:
        return Outcome::Optimal;
    case GLP_NOFEAS:
        return Outcome::Infeasible;
    default:
        return Outcome::Failed;
    }
}

double Master::Objective() const {
    return glp_get_obj_val(lp_);
}

std::vector<double> Master::Values() const {
    std::vector<double> values;
    values.reserve(columnOf_.size());
    for (int j : columnOf_)
        values.push_back(glp_get_col_prim(lp_, j));
    return values;
}

double Master::ArtificialLevel() const {
    double level = 0;
    for (int t = 1; t <= int(in_.Demand.size()); ++t)
        level += glp_get_col_prim(lp_, t);
    for (const Branch& branch : branches_)
        if (branch.Artificial > 0) level += glp_get_col_prim(lp_, branch.Artificial);
    return level;
}

Master::Duals Master::GetDuals() const {
    Duals duals;
    for (int t = 1; t <= int(in_.Demand.size()); ++t)
        duals.Demand.push_back(std::max(0.0, glp_get_row_dual(lp_, t)));
    for (int row : stockRow_)
        duals.Stock.push_back(row > 0 ? std::min(0.0, glp_get_row_dual(lp_, row)) : 0.0);
    for (const Branch& branch : branches_) {
        const double dual = glp_get_row_dual(lp_, branch.Row);
        duals.Branch.push_back(branch.AtLeast ? std::max(0.0, dual) : std::min(0.0, dual));
    }
    return duals;
}

void Master::Push(const Arc& arc, bool atLeast, double bound) {
    Branch branch{arc, atLeast, bound, 0, 0};
    if (spareRows_.empty()) {
        branch.Row = glp_add_rows(lp_, 1);
    } else {
        branch.Row = spareRows_.back();
        spareRows_.pop_back();
    }
    std::vector<int> columns{0};
    for (std::size_t p = 0; p < patterns_.size(); ++p)
        if (Uses(p, arc)) columns.push_back(columnOf_[p]);
    if (atLeast) {
        if (spareArtificials_.empty()) {
            branch.Artificial = glp_add_cols(lp_, 1);
            glp_set_obj_coef(lp_, branch.Artificial, artificialCost_);
        } else {
            branch.Artificial = spareArtificials_.back();
            spareArtificials_.pop_back();
        }
        glp_set_col_bnds(lp_, branch.Artificial, GLP_LO, 0, 0);
        columns.push_back(branch.Artificial);
    }
    const std::vector<double> ones(columns.size(), 1.0);
    glp_set_mat_row(lp_, branch.Row, int(columns.size()) - 1, columns.data(), ones.data());
    glp_set_row_bnds(lp_, branch.Row, atLeast ? GLP_LO : GLP_UP, bound, bound);
    branches_.push_back(branch);
    rowsChanged_ = true;
}

void Master::Pop() {
    const Branch branch = branches_.back();
    branches_.pop_back();
    glp_set_mat_row(lp_, branch.Row, 0, nullptr, nullptr);
    glp_set_row_bnds(lp_, branch.Row, GLP_FR, 0, 0);
    spareRows_.push_back(branch.Row);
    if (branch.Artificial > 0) {
        glp_set_col_bnds(lp_, branch.Artificial, GLP_FX, 0, 0);
        spareArtificials_.push_back(branch.Artificial);
    }
    rowsChanged_ = true;
}

void Master::SetLower(std::size_t pattern, double lower) {
    lower_[pattern] = lower;
    glp_set_col_bnds(lp_, columnOf_[pattern], GLP_LO, lower, 0);
    rowsChanged_ = true;
}

std::optional<std::vector<int>> Master::SolveInteger(double seconds, double target,
                                                     const Deadline* deadline) {
    const int types = int(in_.Demand.size());
    for (int t = 1; t <= types; ++t)
        glp_set_col_bnds(lp_, t, GLP_FX, 0, 0);
    for (int j : columnOf_)
        glp_set_col_kind(lp_, j, GLP_IV);
    glp_iocp parm;
    glp_init_iocp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    parm.presolve = GLP_ON;
    parm.tm_lim = Milliseconds(seconds);
    parm.cb_func = StopAtTarget;
    IntegerStop stop{target, deadline};
    parm.cb_info = &stop;
    glp_intopt(lp_, &parm);
    std::optional<std::vector<int>> bars;
    if (const int status = glp_mip_status(lp_); status == GLP_OPT || status == GLP_FEAS) {
        bars.emplace();
        for (int j : columnOf_)
            bars->push_back(int(std::lround(glp_mip_col_val(lp_, j))));
    }
    for (int j : columnOf_)
        glp_set_col_kind(lp_, j, GLP_CV);
    for (int t = 1; t <= types; ++t)
        glp_set_col_bnds(lp_, t, GLP_LO, 0, 0);
    rowsChanged_ = true;
    return bars;
}

} // namespace cutlist::detail
