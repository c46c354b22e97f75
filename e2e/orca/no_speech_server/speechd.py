"""Stands first on Orca's module path in place of the speech server's client, so Orca finds no server at once."""

raise ImportError("the scenarios' Orca speaks to no speech server")
